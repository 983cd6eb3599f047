#include "cell/PrintSizeChooser.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include "cell/PopupPlacement.h"
#include "orderdata/PrintCatalogue.h"
#include "skin/BitmapButton.h"
#include "skin/CommandTarget.h"
#include "skin/ModalRunner.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinLook.h"

namespace orelle {

PrintSizeChooser::PrintSizeChooser(int x, int y, QWidget* owner, int placementIn,
                                   const PrintCatalogue& catalogue, int showofile)
    : QDialog(owner, Qt::Popup | Qt::FramelessWindowHint),
      placement(placementIn),
      owner_(owner),
      catalogue_(catalogue),
      showofile_(showofile),
      grid_(ChooserGrid::For(catalogue.GetCount())) {
    InstallSkinFonts();
    rows = grid_.rows;
    setObjectName(QStringLiteral("PrintSizeChooser"));
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setFixedSize(grid_.Width(), grid_.Height());
    if (Modal()) {
        move((1024 - grid_.Width()) / 2, (748 - grid_.Height()) / 2);
        return;
    }
    setAttribute(Qt::WA_DeleteOnClose);
    const PopupOrigin at = PlacePopup(placement, x, y, grid_.Width(), grid_.Height());
    move(at.x, at.y);
    show();
}

int PrintSizeChooser::RunModal() {
    hoverRow = hoverColumn = -1;
    chosenIndex = -1;
    const int answer = orelle::RunModal(*this);
    return answer == kPicked ? kPicked : kNotPicked;
}

void PrintSizeChooser::reject() {
    // Closing without a choice, by a right click or a click elsewhere. done()
    // also ends the non-modal popup (deleting it): close() would come back
    // here through QDialog's close event.
    done(kNotPicked);
}

void PrintSizeChooser::PaintCell(QPainter& p, int row, int column, bool hot) const {
    const QRect cell(ChooserGrid::kCellWidth * column, ChooserGrid::kCellHeight * row,
                     ChooserGrid::kCellWidth, ChooserGrid::kCellHeight);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    const QRect inside = cell.adjusted(1, 1, -1, -1);
    p.drawPixmap(inside.topLeft(),
                 SkinBitmap(hot ? skinres::kChooserCellHot : skinres::kChooserCell),
                 QRect(0, 0, inside.width(), inside.height()));
    const PrintSpec* spec = catalogue_.At(grid_.IndexAt(row, column));
    if (spec && ShowsSizeName(*spec, showofile_)) {
        p.setFont(GdiFont(skin::kArial, 16, 700));
        p.drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(spec->name));
    }
}

void PrintSizeChooser::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int c = 0; c < grid_.columns; ++c) {
        for (int r = 0; r < grid_.rows; ++r) PaintCell(p, r, c, false);
    }
    if (hoverRow >= 0 && hoverColumn >= 0) PaintCell(p, hoverRow, hoverColumn, true);
}

void PrintSizeChooser::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    if (!rect().contains(pt)) return;
    const int row = pt.y() / ChooserGrid::kCellHeight;
    const int column = pt.x() / ChooserGrid::kCellWidth;
    if (row == hoverRow && column == hoverColumn) return;
    hoverRow = row;
    hoverColumn = column;
    update();
}

void PrintSizeChooser::mousePressEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    if (event->button() == Qt::RightButton || !rect().contains(pt)) {
        // The modal chooser of an append stands alone: nothing is under it.
        const bool passOn = !Modal() && event->button() == Qt::LeftButton;
        reject();
        if (passOn) BitmapButton::PassOnPopupTap(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    Choose(pt.y() / ChooserGrid::kCellHeight, pt.x() / ChooserGrid::kCellWidth);
}

void PrintSizeChooser::Choose(int row, int column) {
    hoverRow = row;
    hoverColumn = column;
    const int index = grid_.IndexAt(row, column);
    chosenIndex = index < grid_.count ? index : -1;
    QPointer<PrintSizeChooser> alive(this);
    // The owner filters indexes past the catalogue.
    SendCommand(owner_, kCommandBase + index);
    if (!alive) return;
    done(chosenIndex >= 0 ? kPicked : kNotPicked);
}

bool PrintSizeChooser::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int row = help->pos().y() / ChooserGrid::kCellHeight;
        const int column = help->pos().x() / ChooserGrid::kCellWidth;
        const PrintSpec* spec = catalogue_.At(grid_.IndexAt(row, column));
        if (spec) {
            const QRect cell(ChooserGrid::kCellWidth * column, ChooserGrid::kCellHeight * row,
                             ChooserGrid::kCellWidth, ChooserGrid::kCellHeight);
            QToolTip::showText(help->globalPos(),
                               QString::fromStdString(SizeTooltip(spec->x, spec->y)), this, cell);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QDialog::event(e);
}

}  // namespace orelle
