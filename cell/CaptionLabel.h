#pragma once
// The cell's small labels: a background bitmap, a text in one colour,
// centred across and starting at the top edge.

#include <QColor>
#include <QWidget>
#include <string>

namespace orelle {

class CaptionLabel : public QWidget {
    Q_OBJECT

  public:
    CaptionLabel(int id, int bitmapId, QWidget* parent);

    // Repaints at once.
    void SetText(const std::string& utf8);
    const std::string& Text() const { return text_; }
    void SetTextColour(QColor colour) { colour_ = colour; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int bitmapId_;
    std::string text_;
    QColor colour_{Qt::black};
};

}  // namespace orelle
