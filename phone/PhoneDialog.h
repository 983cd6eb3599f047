#pragma once
// The QR screen of a phone session: a large QR code of the page's address,
// how to use it, and the photos as they arrive, with "完成" and "取消".
// It only shows the session; the photo window owns the session and the
// server, and hears through the callbacks when the customer is done. The
// server must stop before the dialog goes. UI thread only.

#include <QDialog>
#include <QImage>
#include <QThreadPool>
#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QTimer;

namespace orelle {

class PhoneSession;
struct PhoneReceived;

class PhoneDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDoneId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kQrId = 1500;
    static constexpr int kCountId = 1501;
    static constexpr int kThumbsId = 1502;

    // ended(true): done with photos; ended(false): cancelled, idle, or
    // done without any. waitSeconds > 0 ends the wait after that long.
    PhoneDialog(PhoneSession& session, const std::string& address, int waitSeconds,
                std::function<void(bool done)> ended, QWidget* parent);

    ~PhoneDialog() override;
    // Thumbnails shown so far.
    int Shown() const;
    // Escape and the window's close cancel.
    void reject() override { Cancel(); }

  private:
    // On the server's thread: the thumbnail is drawn on the dialog's own
    // thread, so that neither the phone nor the UI thread waits for it.
    void Arrived(const PhoneReceived& photo, std::string bytes);
    void Show(const QImage& thumbnail, const QString& label);
    void Check();
    // Photos received are not given up without the customer's word.
    void Cancel();
    void End(bool done);

    PhoneSession& session_;
    std::function<void(bool)> ended_;
    QLabel* count_ = nullptr;
    QListWidget* thumbs_ = nullptr;
    QTimer* timer_ = nullptr;
    qint64 waitUntil_ = 0;  // ms since the epoch; 0: no limit
    bool over_ = false;
    // Last: its thread is joined first.
    QThreadPool thumbnailer_;
};

// A small picture of a photo from its bytes (JPEG decoded reduced, PNG);
// null for a kind not drawn here.
QImage PhoneThumbnail(const std::string& bytes, int side);

}  // namespace orelle
