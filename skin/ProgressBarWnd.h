#pragma once
// The bitmap progress bar: the empty bar, and over it as much of the full
// bar as the steps taken so far fill.

#include <QPixmap>
#include <QWidget>

namespace orelle {

class ProgressBarWnd : public QWidget {
    Q_OBJECT

  public:
    explicit ProgressBarWnd(QWidget* parent = nullptr);

    // Also empties the bar.
    void SetSteps(int steps);
    void StepIt();

    // The filled part of width after position of steps; every step shows,
    // also with more steps than pixels.
    static int Filled(int width, int position, int steps);

    int Steps() const { return steps_; }
    int Position() const { return position_; }
    int FilledWidth() const { return filledWidth_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int steps_ = 20;
    int position_ = 0;
    int filledWidth_ = 0;
    QPixmap empty_, full_;
};

}  // namespace orelle
