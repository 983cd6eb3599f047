#pragma once
// The value popups: the quantity pad, the zoom pad and the rotation strip,
// drawn from their pictures in the program folder's backscape folder. Key
// presses send the commands of ValuePadLogic to the owner. The pad deletes
// itself when it closes: after OK, or when a click elsewhere takes the
// focus away.

#include <QPixmap>
#include <QWidget>
#include <string>

#include "cell/ValuePadLogic.h"

namespace orelle {

class ValuePad : public QWidget {
    Q_OBJECT

  public:
    // x and y in screen coordinates; placement as PlacePopup takes it (the
    // rotation strip always goes to (x - 231, y - 32)).
    ValuePad(int kind, const std::string& text, int x, int y, int placement, QWidget* owner);

    const ValuePadLogic& Logic() const { return logic_; }
    int HoverRow() const { return hoverRow_; }
    int HoverColumn() const { return hoverColumn_; }
    bool HasLook() const { return !normal_.isNull(); }

    // The two picture files of a kind, below the program folder.
    static std::string NormalPicturePath(int kind);
    static std::string HighlightPicturePath(int kind);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect KeyRect(int row, int column) const;
    void PaintHeader(class QPainter& p) const;

    ValuePadLogic logic_;
    QWidget* owner_;
    QPixmap normal_, highlight_;
    int hoverRow_ = -1, hoverColumn_ = -1;
    bool headerRedrawn_ = false;
};

}  // namespace orelle
