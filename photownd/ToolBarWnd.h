#pragma once
// The strip of fourteen picture buttons across the top of the photo window.
// Every button command goes on to the owner (a QWidget that is a
// CommandTarget) at once; the view button's picture follows the view, as the
// owner reports it through ShowView.
//
// The strip is a child of its owner; the buttons are children of the strip.
// The owner may delete the strip from inside a command. UI thread only.

#include <QRect>
#include <QWidget>
#include <array>

#include "skin/CommandTarget.h"

namespace orelle {

class BitmapButton;

class ToolBarWnd : public QWidget, public CommandTarget {
    Q_OBJECT

  public:
    static constexpr int kButtonCount = 14;
    static constexpr int kViewButton = 5;
    static constexpr int kLastPageButton = 10;  // created hidden

    ToolBarWnd();

    QWidget* owner = nullptr;
    QRect rect{0, 0, 1023, 60};  // in the owner

    // Places and shows the strip with its buttons; false without an owner.
    bool Create(QWidget* ownerWindow, int id);

    void OnCommand(int id) override;
    // The view button offers the other view: the big view's picture in the
    // six-cell view, the small view's in the big view.
    void ShowView(bool bigView);

    // Null for an index outside 0..13.
    BitmapButton* Button(int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<BitmapButton*, kButtonCount> buttons_{};  // children of the strip
};

}  // namespace orelle
