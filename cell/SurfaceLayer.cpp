#include "cell/SurfaceLayer.h"

#include <QMouseEvent>
#include <QPainter>

namespace orelle {

SurfaceLayer::SurfaceLayer(int number, LayerEvents& events, QWidget* parent)
    : QWidget(parent), number_(number), events_(events) {
    setObjectName(QStringLiteral("layer%1").arg(number));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceLayer::SetColour(QColor colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void SurfaceLayer::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    scaled_ = QPixmap();
    update();
}

void SurfaceLayer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_.isNull() || width() <= 0 || height() <= 0) {
        p.fillRect(rect(), colour_);
        return;
    }
    // Scaled once per size: drags repaint the layer often.
    if (scaled_.size() != size()) {
        scaled_ = QPixmap::fromImage(
            picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.drawPixmap(0, 0, scaled_);
}

void SurfaceLayer::mousePressEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    events_.OnLayerPress(number_, event->button(), pt.x(), pt.y());
}

void SurfaceLayer::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    events_.OnLayerMove(number_, pt.x(), pt.y());
}

void SurfaceLayer::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    events_.OnLayerRelease(number_, event->button(), pt.x(), pt.y());
}

void SurfaceLayer::mouseDoubleClickEvent(QMouseEvent*) { events_.OnLayerDoubleClick(number_); }

}  // namespace orelle
