#pragma once
// The popup grid of the catalogue's print sizes. A left click on a cell
// sends 10000 + index to the owner (also for the empty cells of the last
// column, whose choice is recorded as -1) and closes the popup; a right
// click or a click elsewhere closes it without a choice.
//
// Placements 0 to 3 show the popup at once at the anchor (screen
// coordinates); it deletes itself when it closes. Placement 4 makes it
// hidden, centred on a 1024 x 748 screen, for RunModal; the caller owns it.

#include <QDialog>
#include <string>

#include "cell/ChooserGrid.h"

namespace orelle {

class PrintCatalogue;

class PrintSizeChooser : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kCommandBase = 10000;
    static constexpr int kModalPlacement = 4;
    // RunModal's answers.
    static constexpr int kPicked = 1;
    static constexpr int kNotPicked = 2;

    PrintSizeChooser(int x, int y, QWidget* owner, int placement, const PrintCatalogue& catalogue,
                     int showofile);

    // Shows the popup and waits: kPicked when a size was picked (then
    // chosenIndex holds it), kNotPicked otherwise.
    int RunModal();

    int placement = 0;
    int rows = 4;
    int hoverRow = -1;
    int hoverColumn = -1;
    int chosenIndex = -1;

    const ChooserGrid& Grid() const { return grid_; }

    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool Modal() const { return placement == kModalPlacement; }
    void PaintCell(class QPainter& p, int row, int column, bool hot) const;
    void Choose(int row, int column);

    QWidget* owner_;
    const PrintCatalogue& catalogue_;
    int showofile_;
    ChooserGrid grid_;
};

}  // namespace orelle
