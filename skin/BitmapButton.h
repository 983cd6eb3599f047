#pragma once
// A picture push button: a fill colour, a picture centred in it, one or two
// captions, a pressed edge while the mouse is down. A press released inside
// sends the command id to the parent (a CommandTarget); with autoRepeat the
// command repeats every 500 ms while the button is held.
//
// Owners set the fields, then call Create. After changing captions or the
// picture they call Refresh.

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <string>

namespace orelle {

class BitmapButton : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kRepeatMs = 500;

    BitmapButton();

    int fontHeight = 16;
    int lineTop1 = 0;  // tops of the two caption lines, when both are set
    int lineTop2 = 0;
    std::string caption1;  // UTF-8
    std::string caption2;
    std::string bitmapFile;
    int pictureSource = 0;  // 0 a bitmap resource, 1 the bitmap file
    std::string tooltipText;
    QColor fillColour;
    QColor captionColour;
    QColor darkEdgeColour;
    QColor lightEdgeColour;
    QRect rect;  // in the parent
    int pictureId = 0;
    int commandId = 0;
    bool autoRepeat = false;
    bool pressed = false;

    // left, top, right, bottom as the layouts give them.
    void SetRect(int left, int top, int right, int bottom);

    // Places and shows the button in parent; false without a parent.
    bool Create(QWidget* parent, int id);

    // Reloads the picture and repaints.
    void Refresh();

    // A press that closed a popup at globalPos goes on to the button there
    // (if any, and enabled), once the popup is gone: on a touch screen the
    // tap that closes a popup also does what it touched. False when no
    // button lies there.
    static bool PassOnPopupTap(const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Fire();
    void LoadPicture();
    // The face picture, centred; widened for a caption too wide for it.
    void DrawFace(class QPainter& p) const;
    void DrawCaptions(class QPainter& p) const;

    QWidget* owner_ = nullptr;
    QTimer repeat_;
    QPixmap picture_;
};

}  // namespace orelle
