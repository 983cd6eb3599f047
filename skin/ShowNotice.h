#pragma once
// The notice box: a caption, a text of one or more lines, "确定" and, with
// the cancel switch, "取消". An order number line ("订单号:<...>") stands
// out, large and bold, on a line of its own; given a code, the notice shows
// it as a large QR code beside that line. Runs modally through RunModal.

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
    static constexpr int kCodeId = 1053;     // the QR code beside it
    static constexpr int kCodeModule = 6;    // pixels a module

    // Shown as a QR code beside the number; set before InitDialog.
    void SetCode(const std::string& code) { code_ = code; }

    NoticeDialog(const std::string& caption, const std::string& text, int lineCount,
                 bool withCancel, QWidget* parent = nullptr);

    void OnCommand(int id) override;
    const std::string& Text() const { return text_; }

  protected:
    bool OnInitDialog() override;

  private:
    // The QR code's label right of the text, beside the number's line
    // (numberTop, or none); grows the notice to hold it.
    void PlaceCode(int numberTop, int& width, int& height);

    std::string caption_, text_, code_;
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
// The notice without "取消", code shown beside the order number.
void ShowCodeNotice(const std::string& caption, const std::string& text, int lineCount,
                    const std::string& code, QWidget* parent = nullptr);

}  // namespace orelle
