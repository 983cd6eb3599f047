#pragma once
// Paper finish (glossy or matte) and paper kind for an order. Reads its
// switches and the paper names when it opens.

#include <string>

#include "orderdata/PaperSettings.h"
#include "skin/SkinDialog.h"

class QComboBox;
class QLabel;

namespace orelle {

class BitmapButton;
class FileSystem;

class PaperDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1131;
    static constexpr int kGlossyId = 1425;
    static constexpr int kMatteId = 1426;
    static constexpr int kOkId = 1427;
    static constexpr int kLabelId = 1066;
    static constexpr int kComboId = 1067;
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 210;

    // Reads its switches and the paper names from the settings folder.
    PaperDialog(const std::string& settingsFolder, FileSystem& fs, QWidget* parent = nullptr);

    PaperFinish finish = PaperFinish::kGlossy;
    int paperIndex = 0;
    std::string paperName;
    // Only read; left for the caller.
    int bcpaper = 0;

    void OnCommand(int id) override;

  protected:
    bool OnInitDialog() override;
    // Enter takes the choice as "确定" does.
    void OnOK() override { OnCommand(kOkId); }

  private:
    void SelectFinish(bool matte);

    std::string settingsFolder_;
    FileSystem& fs_;
    PaperSettings settings_;
    bool matte_ = false;
    BitmapButton* glossy_ = nullptr;
    BitmapButton* matteButton_ = nullptr;
    QLabel* label_ = nullptr;
    QComboBox* combo_ = nullptr;
};

}  // namespace orelle
