#pragma once
// "运用当前设置到其他照片文件": which settings of the current photo go to
// the photos after it (three switches, each button showing a tick while
// on), or one of three other batch actions: the folder-wide settings, the
// date imprint on every photo, or off every photo. OK applies the switches;
// an action closes the dialog as a cancel with its flag set.

#include <array>

#include "skin/SkinDialog.h"

namespace orelle {

class BitmapButton;

class ApplyChoiceDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1020;
    static constexpr int kSizeId = 1425;
    static constexpr int kQuantityId = 1426;
    static constexpr int kFramingId = 1427;
    static constexpr int kOkId = 1428;
    static constexpr int kCancelId = 1429;
    static constexpr int kDirApplyId = 1430;
    static constexpr int kDatesOnId = 1431;
    static constexpr int kDatesOffId = 1432;

    enum class Action { kNone, kDirApply, kDatesOn, kDatesOff };

    explicit ApplyChoiceDialog(QWidget* parent = nullptr);

    bool applySize = false;
    bool applyQuantity = false;
    bool applyFraming = false;
    Action action = Action::kNone;

    void OnCommand(int id) override;

  protected:
    bool OnInitDialog() override;

  private:
    void Toggle(bool& on, int id, const char* caption);
};

}  // namespace orelle
