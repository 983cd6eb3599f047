#pragma once
// The QR screen of a phone session: a large QR code of the page's address,
// how to use it, and the photos as they arrive, with "完成" and "取消".
// It only shows the session; the photo window owns the session and the
// server, and hears through the callbacks when the customer is done.
// "完成" with photos still on their way waits for them, saying how many,
// until none is left or none has come for a while (a second "完成" ends
// the wait); "完成" before any photo ends nothing. The server must stop
// before the dialog goes. UI thread only.

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

enum class PhoneEnd {
    kDone,       // the customer's "完成", here or on the phone
    kCancelled,  // "取消", Escape, the window's close
    kTimedOut,   // the link's life or the host's wait ran out
};

class PhoneDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDoneId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kQrId = 1500;
    static constexpr int kCountId = 1501;
    static constexpr int kThumbsId = 1502;

    // ended hears how the visit ended and how many photos were still on
    // their way then. waitSeconds > 0 is "完成" after that long; waiting
    // hears each count of photos on their way while "完成" waits.
    using Ended = std::function<void(PhoneEnd how, int missing)>;
    PhoneDialog(PhoneSession& session, const std::string& address, int waitSeconds, Ended ended,
                std::function<void(int onTheirWay)> waiting, QWidget* parent);

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
    void Done();
    void Wait();
    void End(PhoneEnd how);

    PhoneSession& session_;
    Ended ended_;
    std::function<void(int)> waiting_;
    QLabel* count_ = nullptr;
    QListWidget* thumbs_ = nullptr;
    QTimer* timer_ = nullptr;
    qint64 waitUntil_ = 0;  // ms since the epoch; 0: no limit
    // While "完成" waits: since when nothing new came, and what had.
    qint64 quietSince_ = 0;
    std::size_t arrived_ = 0;
    int onTheirWay_ = -1;
    bool over_ = false;
    // Last: its thread is joined first.
    QThreadPool thumbnailer_;
};

// A small picture of a photo from its bytes (JPEG decoded reduced, PNG);
// null for a kind not drawn here.
QImage PhoneThumbnail(const std::string& bytes, int side);

}  // namespace orelle
