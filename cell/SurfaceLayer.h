#pragma once
// One layer of the photo display: a child window with a background colour
// and, optionally, a picture stretched over it. Its mouse events go to the
// display with the layer's number (1 frame, 2 photo, 3 paper, 4 background)
// and the position in the layer's own pixels.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace orelle {

class LayerEvents {
  public:
    virtual ~LayerEvents() = default;
    virtual void OnLayerPress(int layer, Qt::MouseButton button, int x, int y) = 0;
    virtual void OnLayerMove(int layer, int x, int y) = 0;
    virtual void OnLayerRelease(int layer, Qt::MouseButton button, int x, int y) = 0;
    virtual void OnLayerDoubleClick(int layer) = 0;
};

class SurfaceLayer : public QWidget {
    Q_OBJECT

  public:
    SurfaceLayer(int number, LayerEvents& events, QWidget* parent);

    int Number() const { return number_; }
    void SetColour(QColor colour);
    QColor Colour() const { return colour_; }
    // An empty picture shows the colour alone.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    void ClearPicture() { SetPicture(QImage()); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int number_;
    LayerEvents& events_;
    QColor colour_{124, 124, 124};
    QImage picture_;
    QPixmap scaled_;  // the picture at the layer's size, made on first paint
};

}  // namespace orelle
