#include "phone/PhoneDialog.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "phone/PhoneSession.h"
#include "platform/imaging/PhotoKind.h"
#include "platform/imaging/PictureDecoders.h"
#include "platform/imaging/PictureFile.h"
#include "platform/imaging/QrCode.h"
#include "skin/DiscardQuestion.h"

namespace orelle {
namespace {

constexpr int kThumbSide = 96;
// "完成" waits this long for a photo on its way before it ends without it.
constexpr qint64 kQuietMs = 60 * 1000;

qint64 NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

QImage Placeholder(const QString& label) {
    QImage image(kThumbSide, kThumbSide, QImage::Format_RGB32);
    image.fill(QColor(220, 214, 200));
    QPainter p(&image);
    p.setPen(QColor(90, 90, 90));
    p.drawText(image.rect(), Qt::AlignCenter, label);
    return image;
}

}  // namespace

QImage PhoneThumbnail(const std::string& bytes, int side) {
    QImage image;
    switch (PhotoKindOf(bytes)) {
        case PhotoKind::kJpeg: image = DecodeReducedFromBytes(bytes, 2, QSize(side, side)); break;
        // The station's decoder, with its bounds against bombs.
        case PhotoKind::kPng: image = DecodePng(bytes).picture; break;
        default: break;
    }
    return image.isNull() ? image
                          : image.scaled(side, side, Qt::KeepAspectRatio, Qt::FastTransformation);
}

PhoneDialog::PhoneDialog(PhoneSession& session, const std::string& address, int waitSeconds,
                         Ended ended, std::function<void(int)> waiting, QWidget* parent)
    : QDialog(parent),
      session_(session),
      ended_(std::move(ended)),
      waiting_(std::move(waiting)) {
    setWindowTitle(QString::fromUtf8("手机传照片"));
    setFixedSize(960, 640);
    setStyleSheet(QStringLiteral("QDialog { background: rgb(244, 241, 234); }"));

    auto* qr = new QLabel(this);
    qr->setObjectName(QString::number(kQrId));
    const QImage code = QrCodeImage(address, 8);
    qr->setPixmap(QPixmap::fromImage(
        code.scaled(400, 400, Qt::KeepAspectRatio, Qt::FastTransformation)));
    qr->setFixedSize(400, 400);
    qr->setAlignment(Qt::AlignCenter);

    QFont big = font();
    big.setPixelSize(24);
    auto* title = new QLabel(QString::fromUtf8("用手机传照片"), this);
    title->setFont(big);
    auto* steps = new QLabel(
        QString::fromUtf8("1. 手机连上本店的 Wi-Fi\n"
                          "2. 用手机相机扫描左边的二维码\n"
                          "3. 在打开的网页里点“选择照片”,照片自动上传\n"
                          "4. 传完后点“完成”"),
        this);
    QFont text = font();
    text.setPixelSize(19);
    steps->setFont(text);
    auto* where = new QLabel(QString::fromStdString(address), this);
    where->setStyleSheet(QStringLiteral("color: rgb(110, 110, 110);"));
    count_ = new QLabel(this);
    count_->setObjectName(QString::number(kCountId));
    count_->setFont(big);

    auto* right = new QVBoxLayout;
    right->addWidget(title);
    right->addSpacing(12);
    right->addWidget(steps);
    right->addSpacing(8);
    right->addWidget(where);
    right->addStretch();
    right->addWidget(count_);
    auto* top = new QHBoxLayout;
    top->addWidget(qr);
    top->addSpacing(20);
    top->addLayout(right, 1);

    thumbs_ = new QListWidget(this);
    thumbs_->setObjectName(QString::number(kThumbsId));
    thumbs_->setViewMode(QListView::IconMode);
    thumbs_->setFlow(QListView::LeftToRight);
    thumbs_->setWrapping(false);
    thumbs_->setIconSize(QSize(kThumbSide, kThumbSide));
    thumbs_->setFixedHeight(kThumbSide + 40);
    thumbs_->setSelectionMode(QAbstractItemView::NoSelection);

    auto* done = new QPushButton(QString::fromUtf8("完成"), this);
    done->setObjectName(QString::number(kDoneId));
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(QString::number(kCancelId));
    for (QPushButton* b : {done, cancel}) {
        b->setFont(big);
        b->setFixedSize(180, 56);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(thumbs_);
    layout->addLayout(buttons);
    connect(done, &QPushButton::clicked, this, &PhoneDialog::Done);
    connect(cancel, &QPushButton::clicked, this, &PhoneDialog::Cancel);

    if (waitSeconds > 0) waitUntil_ = NowMs() + qint64(waitSeconds) * 1000;
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &PhoneDialog::Check);
    timer_->start(200);
    thumbnailer_.setMaxThreadCount(1);
    session_.SetStored([this](const PhoneReceived& photo, std::string bytes) {
        Arrived(photo, std::move(bytes));
    });
    Show(QImage(), QString());
}

PhoneDialog::~PhoneDialog() {
    session_.SetStored(nullptr);
    // Thumbnails not begun are never shown: "完成" waits for none of them.
    thumbnailer_.clear();
    thumbnailer_.waitForDone();
}

void PhoneDialog::Arrived(const PhoneReceived& photo, std::string bytes) {
    const QString label =
        QString::fromStdString(photo.path.substr(photo.path.rfind('.') + 1)).toUpper();
    thumbnailer_.start([this, bytes = std::move(bytes), label] {
        const QImage thumbnail = PhoneThumbnail(bytes, kThumbSide);
        QMetaObject::invokeMethod(this, [this, thumbnail, label] { Show(thumbnail, label); },
                                  Qt::QueuedConnection);
    });
}

void PhoneDialog::Show(const QImage& thumbnail, const QString& label) {
    if (!label.isEmpty()) {
        const QImage face = thumbnail.isNull() ? Placeholder(label) : thumbnail;
        thumbs_->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(face)), QString()));
        thumbs_->scrollToBottom();
    }
    if (quietSince_ == 0) count_->setText(QString::fromUtf8("已收到 %1 张").arg(session_.Count()));
}

int PhoneDialog::Shown() const { return thumbs_->count(); }

void PhoneDialog::Check() {
    if (session_.LinkOver())
        return End(session_.Count() > 0 ? PhoneEnd::kDone : PhoneEnd::kTimedOut);
    if (quietSince_ != 0) return Wait();
    if (session_.Finished()) return End(PhoneEnd::kDone);
    if (waitUntil_ != 0 && NowMs() >= waitUntil_) {
        waitUntil_ = 0;
        if (session_.Pending() == 0 && session_.Count() == 0) return End(PhoneEnd::kTimedOut);
        Done();
    }
}

void PhoneDialog::Cancel() {
    if (session_.Count() > 0) {
        // Nothing ends the screen while the customer is asked.
        timer_->stop();
        const QPointer<PhoneDialog> alive(this);
        const bool sure = AskDiscard(this);
        if (!alive) return;
        if (!sure) return timer_->start();
    }
    End(PhoneEnd::kCancelled);
}

void PhoneDialog::Done() {
    if (quietSince_ != 0) return End(PhoneEnd::kDone);  // a second tap: no more waiting
    if (session_.Pending() > 0) {
        quietSince_ = NowMs();
        arrived_ = session_.Count();
        return Wait();
    }
    if (session_.Count() > 0) return End(PhoneEnd::kDone);
    count_->setText(QString::fromUtf8("还没有收到照片,请在手机上选择照片"));
}

void PhoneDialog::Wait() {
    const int onTheirWay = session_.Pending();
    if (onTheirWay == 0) return End(PhoneEnd::kDone);
    if (session_.Count() != arrived_) {
        arrived_ = session_.Count();
        quietSince_ = NowMs();
    }
    if (NowMs() - quietSince_ >= kQuietMs) return End(PhoneEnd::kDone);
    if (onTheirWay == onTheirWay_) return;
    onTheirWay_ = onTheirWay;
    count_->setText(QString::fromUtf8("已收到 %1 张,还有 %2 张正在上传")
                        .arg(session_.Count())
                        .arg(onTheirWay));
    if (waiting_) waiting_(onTheirWay);
}

void PhoneDialog::End(PhoneEnd how) {
    if (over_) return;
    over_ = true;
    timer_->stop();
    hide();
    const int missing = how == PhoneEnd::kCancelled ? 0 : session_.Pending();
    // The owner may delete this dialog from ended: nothing of it runs after.
    auto ended = ended_;
    ended(how, missing);
}

}  // namespace orelle
