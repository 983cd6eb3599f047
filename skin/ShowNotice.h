#pragma once
// The notice box: a caption, a text of one or more lines, "确定" and, with
// the cancel switch, "取消". An order number line ("订单号:<...>") stands
// out, large and bold, on a line of its own. Runs modally through RunModal.

#include <string>

#include "skin/SkinDialog.h"

class QLabel;

namespace orelle {

class BitmapButton;
class StaticText;

class NoticeDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1149;
    static constexpr int kStaticId = 1050;
    static constexpr int kOkId = 1325;
    static constexpr int kCancelId = 1326;
    static constexpr int kNumberId = 1052;  // the order number's line
    static constexpr int kNumberPitch = 34;
    static constexpr int kNumberFontHeight = 24;

    NoticeDialog(const std::string& caption, const std::string& text, int lineCount,
                 bool withCancel, QWidget* parent = nullptr);

    void OnCommand(int id) override;
    const std::string& Text() const { return text_; }

  protected:
    bool OnInitDialog() override;

  private:
    std::string caption_, text_;
    int lineCount_;
    bool withCancel_;
    StaticText* static_ = nullptr;
    QLabel* number_ = nullptr;
    StaticText* after_ = nullptr;  // the lines after the order number
    BitmapButton* ok_ = nullptr;
    BitmapButton* cancel_ = nullptr;
};

// 0 when "确定" closed the notice, 1 when it closed in any other way.
int ShowNotice(const std::string& caption, const std::string& text, int lineCount, bool withCancel,
               QWidget* parent = nullptr);

}  // namespace orelle
