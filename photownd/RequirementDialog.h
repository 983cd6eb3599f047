#pragma once
// "要求与统计信息": the order's photo statistics to read and the customer's
// requirement to type (at most 100 GBK bytes), on the picture
// backscape/statdlg.bmp of the program folder. "确定" keeps the typed
// text; "取消" changes nothing.

#include <QPixmap>
#include <string>

#include "skin/SkinDialog.h"

class QPlainTextEdit;

namespace orelle {

class RequirementDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1104;
    static constexpr int kStatsId = 1014;
    static constexpr int kRequirementId = 1015;
    static constexpr int kOkId = 1325;
    static constexpr int kCancelId = 1326;
    static constexpr int kMaxRequirementBytes = 100;

    RequirementDialog(std::string stats, std::string requirement, QWidget* parent = nullptr);

    // The edit's text as "确定" left it.
    std::string requirement;

    void OnCommand(int id) override;
    static std::string PicturePath();

  protected:
    bool OnInitDialog() override;
    void PaintBackground(QPainter& p) override;

  private:
    void KeepWithinLimit();

    std::string stats_;
    QPixmap picture_;
    QPlainTextEdit* statsEdit_ = nullptr;
    QPlainTextEdit* requirementEdit_ = nullptr;
};

}  // namespace orelle
