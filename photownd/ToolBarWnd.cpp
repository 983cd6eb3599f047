#include "photownd/ToolBarWnd.h"

#include <QPainter>

#include "photownd/PhotoCommands.h"
#include "skin/BitmapButton.h"
#include "skin/SkinBitmaps.h"

namespace orelle {
namespace {

constexpr int kButtonPitch = 70;
const QColor kStripColour(124, 124, 124);

struct ButtonEntry {
    int pictureId;
    int commandId;
    const char* tooltip;  // UTF-8
};

const std::array<ButtonEntry, ToolBarWnd::kButtonCount> kButtons{{
    {skinres::kToolHome, kCommandHome, "取消当前制作,回到主页面"},
    {skinres::kToolCopy, kCommandCopy, "复制当前照片以便冲印其他规格"},
    {skinres::kToolDelete, kCommandDelete, "删除当前照片"},
    {skinres::kToolAddPhoto, kCommandAddPhotos, "添加照片"},
    {skinres::kToolApply, kCommandApply, "将当前选定照片的参数应用到后面的所有照片"},
    {skinres::kToolBigView, kCommandView, "点击可实现大图浏览模式与小图浏览模式的转换"},
    {skinres::kToolCount, kCommandCount, "统计当前的选片数量"},
    {skinres::kToolFirstPage, kCommandFirstPage, "首页"},
    {skinres::kToolPrevPage, kCommandPrevPage, "上一页"},
    {skinres::kToolNextPage, kCommandNextPage, "下一页"},
    {skinres::kToolLastPage, kCommandLastPage, "尾页"},
    {skinres::kToolOrder, kCommandOrder, "当设定所有照片的参数后点击提交下单"},
    {skinres::kToolHelp, kCommandHelp, "有疑问请点击!"},
    {skinres::kToolRecharge, kCommandRecharge, "进入个人帐号充值!"},
}};

}  // namespace

ToolBarWnd::ToolBarWnd() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kStripColour);
    setPalette(pal);
    setAutoFillBackground(true);
    for (BitmapButton*& b : buttons_) {
        b = new BitmapButton;
        b->setParent(this);
    }
}

bool ToolBarWnd::Create(QWidget* ownerWindow, int id) {
    if (!ownerWindow) return false;
    owner = ownerWindow;
    setParent(ownerWindow);
    setObjectName(QString::number(id));
    setGeometry(rect);
    for (int i = 0; i < kButtonCount; ++i) {
        BitmapButton& b = *buttons_[static_cast<std::size_t>(i)];
        const ButtonEntry& entry = kButtons[static_cast<std::size_t>(i)];
        b.tooltipText = entry.tooltip;
        b.SetRect(kButtonPitch * i, 0, kButtonPitch * i + 69, 59);
        b.pictureSource = 0;
        b.pictureId = entry.pictureId;
        b.Create(this, entry.commandId);
    }
    buttons_[kLastPageButton]->hide();
    show();
    return true;
}

void ToolBarWnd::OnCommand(int id) { SendCommand(owner, id); }

void ToolBarWnd::ShowView(bool bigView) {
    BitmapButton* view = buttons_[kViewButton];
    if (!view) return;
    const int picture = bigView ? skinres::kToolSmallView : skinres::kToolBigView;
    if (view->pictureId == picture) return;
    view->pictureId = picture;
    view->Refresh();
}

BitmapButton* ToolBarWnd::Button(int index) const {
    if (index < 0 || index >= kButtonCount) return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void ToolBarWnd::paintEvent(QPaintEvent*) {
    const QPixmap tile = SkinBitmap(skinres::kToolBarBack);
    const int w = tile.width();
    if (w <= 0) return;
    QPainter p(this);
    const int n = (width() + w - 1) / w;
    for (int i = 0; i < n; ++i) p.drawPixmap(i * w, 0, tile, 0, 0, w, height() - 1);
}

}  // namespace orelle
