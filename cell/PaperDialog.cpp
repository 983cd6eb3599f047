#include "cell/PaperDialog.h"

#include <QComboBox>
#include <QLabel>

#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/RectLtrb.h"

namespace orelle {

PaperDialog::PaperDialog(const std::string& settingsFolder, FileSystem& fs, QWidget* parent)
    : SkinDialog(kResourceId, parent), settingsFolder_(settingsFolder), fs_(fs) {}

bool PaperDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("请选择冲印的纸型和纸种");
    settings_ = LoadPaperSettings(settingsFolder_, fs_);
    bcpaper = settings_.bcpaper;

    label_ = new QLabel(QString::fromUtf8("加工方式:"), this);
    label_->setObjectName(QString::number(kLabelId));
    label_->setGeometry(65, 100, 60, 18);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QString::number(kComboId));
    for (const std::string& name : settings_.papernames) {
        combo_->addItem(QString::fromStdString(name));
    }
    // An index outside the list leaves no selection, as the combo box does.
    combo_->setCurrentIndex(
        settings_.defpaper >= 0 && settings_.defpaper < combo_->count() ? settings_.defpaper : -1);
    combo_->setGeometry(135, 100, 100, 18);
    PlaceCentred(kWidth, kHeight);

    glossy_ = MakeDialogButton(this, kGlossyId, "√光面", 16, RectLtrb(65, 35, 135, 95));
    matteButton_ = MakeDialogButton(this, kMatteId, "绒面", 16, RectLtrb(155, 35, 225, 95));
    MakeDialogButton(this, kOkId, "确定", 16, RectLtrb(110, 125, 180, 185));
    if (settings_.paperctrl == 0) {
        label_->hide();
        combo_->hide();
    }
    if (settings_.onlyf == 1) {
        if (glossy_) glossy_->hide();
        if (matteButton_) matteButton_->hide();
    }
    return true;
}

void PaperDialog::SelectFinish(bool matte) {
    matte_ = matte;
    if (glossy_) {
        glossy_->caption1 = matte ? "光面" : "√光面";
        glossy_->Refresh();
    }
    if (matteButton_) {
        matteButton_->caption1 = matte ? "√绒面" : "绒面";
        matteButton_->Refresh();
    }
}

void PaperDialog::OnCommand(int id) {
    switch (id) {
        case kGlossyId:
            SelectFinish(false);
            break;
        case kMatteId:
            SelectFinish(true);
            break;
        case kOkId:
            finish = matte_ ? PaperFinish::kMatte : PaperFinish::kGlossy;
            paperIndex = combo_->currentIndex();
            paperName =
                paperIndex >= 0 ? combo_->itemText(paperIndex).toStdString() : std::string();
            accept();
            break;
        default:
            break;
    }
}

}  // namespace orelle
