#include "KioskFrame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "orelle/HostMessage.h"

namespace orelle::app {
namespace {

constexpr int kStripHeight = 30;
constexpr int kPhotoWindowId = 1001;

// The station maps the Windows face names to the fonts of this machine.
QFont FaceFont(const char* face, int pixelHeight) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixelHeight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

KioskFrame::KioskFrame(std::vector<std::string> photos, std::string folder)
    : photos_(std::move(photos)), folder_(std::move(folder)) {
    setWindowTitle(QStringLiteral("Orelle"));
    setFixedSize(1024, 768);
    // By name: a class without Q_OBJECT answers to QWidget in a style sheet.
    setObjectName(QStringLiteral("kioskFrame"));
    setStyleSheet(QStringLiteral("#kioskFrame { background: rgb(40, 40, 48); }"));
    setAttribute(Qt::WA_StyledBackground);

    strip_ = new QLabel(this);
    strip_->setGeometry(0, 0, 1024, kStripHeight);
    strip_->setFont(FaceFont("宋体", 18));
    strip_->setStyleSheet(
        QStringLiteral("background: rgb(30, 30, 36); color: white; padding-left: 8px;"));

    // The album order sends the photos on show, so it is offered beside
    // them, not on the home page where there are none yet.
    album_ = new QPushButton(QStringLiteral("上传相册"), this);
    album_->setGeometry(1024 - 128, 2, 124, kStripHeight - 4);
    album_->setFont(FaceFont("宋体", 16));
    album_->setFocusPolicy(Qt::NoFocus);
    album_->setStyleSheet(QStringLiteral(
        "QPushButton { background: rgb(60, 110, 180); color: white; border: 1px solid rgb(140, "
        "170, 220); border-radius: 4px; } QPushButton:pressed { background: rgb(40, 80, 140); }"));
    connect(album_, &QPushButton::clicked, this, [this] { photoWnd_.OnToxc(); });

    home_ = new QWidget(this);
    home_->setGeometry(0, kStripHeight, 1024, 768 - kStripHeight);
    auto* layout = new QVBoxLayout(home_);
    layout->addStretch();
    const auto homeButton = [this, layout](const char* name, const QString& text) {
        auto* button = new QPushButton(text, home_);
        button->setObjectName(QString::fromLatin1(name));
        button->setFont(FaceFont("隶书", 40));
        button->setFixedSize(320, 120);
        layout->addWidget(button, 0, Qt::AlignCenter);
        return button;
    };
    connect(homeButton(kStartButton, QStringLiteral("开始冲印")), &QPushButton::clicked, this,
            [this] { StartJob(); });
    // A customer with a phone goes straight to the code to scan.
    phone_ = homeButton(kPhoneButton, QStringLiteral("手机传照片"));
    connect(phone_, &QPushButton::clicked, this, [this] { StartPhone({}); });
    layout->addStretch();

    photoWnd_.init(this, kPhotoWindowId);
    phone_->setVisible(photoWnd_.PhonesEnabled());
    qApp->installEventFilter(this);
    ShowHome();
}

void KioskFrame::StartJob() {
    if (!photos_.empty()) {
        photoWnd_.UsePhotos(photos_);
        return ShowPhotos();
    }
    // The load hands back when it ends, also when it ends at once.
    // The window is shown first: its progress bar shows the load.
    loading_ = true;
    ShowPhotos();
    if (!folder_.empty()) {
        photoWnd_.OpenFolder(folder_);
    } else {
        photoWnd_.OnOpenDir();
    }
    if (!Busy() && loading_) {  // no load started: the picker was cancelled
        loading_ = false;
        if (photoWnd_.GetSize() == 0) ShowHome();
    }
}

bool KioskFrame::StartPhone(const CPhotoWnd::PhoneOptions& options) {
    loading_ = true;  // the load of the phone's photos hands back
    ShowPhotos();
    if (photoWnd_.OpenPhone(options)) return true;
    loading_ = false;
    ShowHome();
    return false;
}

bool KioskFrame::OfferLeftJob() {
    if (!photoWnd_.AskLeftJob()) return false;
    // Shown first: the job's page is filled into a window on show.
    ShowPhotos();
    if (photoWnd_.ResumeLeftJob()) return true;
    ShowHome();
    return false;
}

bool KioskFrame::PhoneAnswerWaiting() const {
    return StationTools::PhoneAnswerWaiting(photoWnd_);
}

bool KioskFrame::PrintReceipt(const std::string& pdfFile) {
    return photoWnd_.PrintLocalOrder(StationTools::LocalOrderNumber(photoWnd_), 0, pdfFile);
}

StationTools::UnattendedOrder KioskFrame::PlaceOrder(const std::string& member,
                                                     const std::string& password,
                                                     const std::string& receiptPdf) {
    if (!member.empty() || !password.empty()) photoWnd_.SetStoreid({}, member, password);
    return StationTools::PlaceOrderUnattended(photoWnd_, receiptPdf);
}

bool KioskFrame::NextPage() {
    const KeyMessage next{kWmKeyDown, kVkNext};
    photoWnd_.Qkey(&next);
    return Busy();  // a page that moved is being refreshed
}

void KioskFrame::ShowPhotos() {
    home_->hide();
    photoWnd_.window()->show();
    photoWnd_.window()->setFocus();
    album_->setVisible(photoWnd_.IsWebEdition());
    album_->raise();
}

void KioskFrame::ShowHome() {
    // Whatever ended the visit, the next customer never sees its photos.
    photoWnd_.CloseJob();
    if (photoWnd_.window()) photoWnd_.window()->hide();
    home_->show();
    album_->hide();
    strip_->setText(QStringLiteral("欢迎光临"));
}

bool KioskFrame::Busy() const { return photoWnd_.IsBusy(); }

bool KioskFrame::event(QEvent* e) {
    if (e->type() == HostMessage::EventType()) {
        const auto* m = static_cast<HostMessage*>(e);
        if (m->message == kMessageIndexChanged) {
            strip_->setText(QString::fromStdString(photoWnd_.GetIndexStr()));
        } else if (m->message == kMessageHandBack) {
            // A placed order (its date and tag) goes to the shop's uploader
            // while the job still names it.
            if (m->wParam != 0) photoWnd_.SendNewOrder();
            // The end of a load that gave a job keeps its photos on show.
            const bool loaded = loading_ && photoWnd_.GetSize() > 0;
            loading_ = false;
            if (!loaded) ShowHome();
        }
        return true;
    }
    return QWidget::event(e);
}

bool KioskFrame::eventFilter(QObject* watched, QEvent* e) {
    // Keys typed into our own frame go to the station; dialogs keep theirs.
    if (e->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && photoWnd_.window() &&
        photoWnd_.window()->isVisible()) {
        const KeyMessage key = KeyMessageFromQt(*static_cast<QKeyEvent*>(e));
        if (key.virtualKey != 0) {
            photoWnd_.Qkey(&key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace orelle::app
