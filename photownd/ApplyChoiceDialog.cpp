#include "photownd/ApplyChoiceDialog.h"

#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/RectLtrb.h"

namespace orelle {
namespace {

struct ButtonRow {
    int id;
    const char* caption;
    QRect rect;
    bool shown;
};

const ButtonRow kButtons[] = {
    {ApplyChoiceDialog::kSizeId, "应用尺寸", RectLtrb(51, 35, 140, 95), true},
    {ApplyChoiceDialog::kQuantityId, "应用数量", RectLtrb(161, 35, 250, 95), true},
    {ApplyChoiceDialog::kFramingId, "应用模式", RectLtrb(271, 35, 360, 95), false},
    {ApplyChoiceDialog::kOkId, "确  定", RectLtrb(87, 155, 166, 205), true},
    {ApplyChoiceDialog::kCancelId, "取  消", RectLtrb(234, 155, 313, 205), true},
    {ApplyChoiceDialog::kDirApplyId, "目录应用", RectLtrb(51, 95, 140, 155), false},
    {ApplyChoiceDialog::kDatesOnId, "全加印日期", RectLtrb(161, 95, 250, 155), true},
    {ApplyChoiceDialog::kDatesOffId, "全取消日期", RectLtrb(271, 95, 360, 155), true},
};

}  // namespace

ApplyChoiceDialog::ApplyChoiceDialog(QWidget* parent) : SkinDialog(kResourceId, parent) {}

bool ApplyChoiceDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("运用当前设置到其他照片文件");
    PlaceCentred(400, 240);
    for (const ButtonRow& row : kButtons) {
        BitmapButton* b = MakeDialogButton(this, row.id, row.caption, 14, row.rect);
        if (b && !row.shown) b->hide();
    }
    return true;
}

void ApplyChoiceDialog::Toggle(bool& on, int id, const char* caption) {
    on = !on;
    if (auto* b = findChild<BitmapButton*>(QString::number(id))) {
        b->caption1 = on ? std::string("√") + caption : caption;
        b->Refresh();
    }
}

void ApplyChoiceDialog::OnCommand(int id) {
    switch (id) {
        case kSizeId:
            Toggle(applySize, id, "应用尺寸");
            break;
        case kQuantityId:
            Toggle(applyQuantity, id, "应用数量");
            break;
        case kFramingId:
            Toggle(applyFraming, id, "取景模式");
            break;
        case kOkId:
            accept();
            break;
        case kCancelId:
            reject();
            break;
        case kDirApplyId:
        case kDatesOnId:
        case kDatesOffId:
            action = id == kDirApplyId  ? Action::kDirApply
                     : id == kDatesOnId ? Action::kDatesOn
                                        : Action::kDatesOff;
            reject();
            break;
        default:
            break;
    }
}

}  // namespace orelle
