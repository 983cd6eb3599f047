#include "photownd/IdleNotice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "skin/SkinLook.h"

namespace orelle {
namespace {

constexpr const char* kQuestion = "您还在吗?";
// "%1": the seconds left.
constexpr const char* kCountdown = "%1 秒后本次制作将结束,照片将被清除";

}  // namespace

IdleNotice::IdleNotice() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("IdleNotice"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, skin::kButtonFill);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    question_ = new QLabel(this);
    question_->setFont(GdiFont(skin::kLiShu, 64));
    question_->setAlignment(Qt::AlignCenter);
    countdown_ = new QLabel(this);
    countdown_->setFont(GdiFont(skin::kSongTi, 28));
    countdown_->setAlignment(Qt::AlignCenter);
    continue_ = new QPushButton(QString::fromUtf8("继续使用"), this);
    continue_->setObjectName(QString::number(kContinueId));
    continue_->setFont(GdiFont(skin::kLiShu, 40));
    continue_->setFixedSize(320, 120);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(question_);
    layout->addSpacing(24);
    layout->addWidget(countdown_);
    layout->addSpacing(48);
    layout->addWidget(continue_, 0, Qt::AlignCenter);
    layout->addStretch(3);
    connect(continue_, &QPushButton::clicked, this, [this] {
        hide();
        emit Continued();
    });
}

void IdleNotice::Cover(QWidget* window) {
    if (window) {
        setGeometry(window->geometry());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    show();
    raise();
    activateWindow();
}

void IdleNotice::ShowWarning(QWidget* window, int secondsLeft) {
    warning_ = true;
    question_->setText(QString::fromUtf8(kQuestion));
    continue_->show();
    SetSecondsLeft(secondsLeft);
    Cover(window);
    continue_->setFocus();
}

void IdleNotice::ShowReminder(QWidget* window, const std::string& text) {
    warning_ = false;
    question_->setText(QString::fromStdString(text));
    countdown_->clear();
    continue_->hide();
    Cover(window);
}

void IdleNotice::SetSecondsLeft(int seconds) {
    countdown_->setText(QString::fromUtf8(kCountdown).arg(seconds));
}

std::string IdleNotice::Countdown() const { return countdown_->text().toStdString(); }

}  // namespace orelle
