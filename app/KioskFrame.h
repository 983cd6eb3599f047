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
#include "orelle/StationTools.h"

namespace orelle::app {

class KioskFrame : public QWidget {
  public:
    // A folder starts a job with the folder load when the customer starts;
    // photos are put into the job as they are, without it; with neither
    // the customer picks a folder.
    KioskFrame(std::vector<std::string> photos, std::string folder);

    // The home page's buttons, as object names.
    static constexpr const char* kStartButton = "start";
    static constexpr const char* kPhoneButton = "phone";

    // What the start button does.
    void StartJob();
    // Starts a job from a phone's photos; false when the page cannot be
    // served.
    bool StartPhone(const CPhotoWnd::PhoneOptions& options);
    bool PhoneAnswerWaiting() const;
    void ShowHome();
    // The job the station left at a cut, offered to the customer; true
    // when it is on show again.
    bool OfferLeftJob();
    bool Busy() const;
    int PhotoCount() const { return photoWnd_.GetSize(); }
    // Turns to the next page as the customer's page key does; false on the
    // last page, where nothing moves.
    bool NextPage();
    // The strip's "上传相册": the job's photos go to the customer's web
    // album instead of being printed (the web edition only).
    QPushButton* AlbumButton() const { return album_; }
    // The receipt of the loaded job, glossy, into a PDF file.
    bool PrintReceipt(const std::string& pdfFile);
    // The host's local order id and order tag for the loaded job.
    void SetOrderID(const std::string& id, int tag) { photoWnd_.SetOrderID(id, tag); }
    // Places the loaded job's order with every dialog accepted, the order
    // dialog's member as given (none: the settings' own).
    StationTools::UnattendedOrder PlaceOrder(const std::string& member, const std::string& password,
                                             const std::string& receiptPdf);

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void ShowPhotos();

    std::vector<std::string> photos_;
    std::string folder_;
    bool loading_ = false;  // the next hand-back ends a folder load
    CPhotoWnd photoWnd_;
    QLabel* strip_ = nullptr;
    QPushButton* album_ = nullptr;
    QWidget* home_ = nullptr;
    QPushButton* phone_ = nullptr;  // on the home page, when phones are offered
};

}  // namespace orelle::app
