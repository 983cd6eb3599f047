#pragma once
// The base of every dialog: a frameless window whose frame is drawn from
// the eight frame bitmaps, with its title in the title bar; the customer
// drags it by its top strip. The resource id becomes the object name, as
// every control keeps its id.
//
// OnInitDialog runs once, before the dialog is first shown (or when a test
// calls InitDialog); derived dialogs call the base first, then place and
// fill themselves. Enter runs OnOK, Escape OnCancel.

#include <QDialog>
#include <QPainter>
#include <QPixmap>
#include <array>

#include "skin/CommandTarget.h"

namespace orelle {

class SkinDialog : public QDialog, public CommandTarget {
    Q_OBJECT

  public:
    SkinDialog(int resourceId, QWidget* parent = nullptr);

    int ResourceId() const { return resourceId_; }
    void SetTitle(const std::string& utf8);

    // Runs OnInitDialog unless it ran.
    void InitDialog();

    // Centres the window of width w and height h on the screen.
    void PlaceCentred(int w, int h);

    void OnCommand(int) override {}

  protected:
    virtual bool OnInitDialog();
    virtual void OnOK() { accept(); }
    virtual void OnCancel() { reject(); }
    // Drawn over the white ground and under the frame.
    virtual void PaintBackground(QPainter&) {}

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void DrawFrame(QPainter& p);
    bool InTitleStrip(QPoint clientPoint) const;

    int resourceId_;
    bool initialized_ = false;
    bool framesLoaded_ = false;
    std::array<QPixmap, 8> frame_;
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace orelle
