#pragma once
// The kiosk frame of orelle-kiosk: a 1024 x 768 window with its own strip
// on top, a home page, and the photo window below the strip, the way a
// shop's host program embeds the station.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "orelle/CPhotoWnd.h"

namespace orelle::app {

class KioskFrame : public QWidget {
  public:
    explicit KioskFrame(std::vector<std::string> photos);

    // Puts the photos given on the command line into the list and shows
    // the photo window: a job without the folder load.
    void StartJob();
    void ShowHome();
    bool Busy() const;

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    std::vector<std::string> photos_;
    CPhotoWnd photoWnd_;
    QLabel* strip_ = nullptr;
    QWidget* home_ = nullptr;
};

}  // namespace orelle::app
