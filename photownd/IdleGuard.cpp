#include "photownd/IdleGuard.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

#include "photownd/IdleNotice.h"

namespace orelle {
namespace {

// A dialog that will not go (an order being placed closes by itself) is
// asked again; after this many tries the visit ends anyway.
constexpr int kCloseTries = 200;
constexpr int kCloseRetryMs = 50;

bool IsTouch(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

IdleGuard::IdleGuard(const SteadyClock& clock, int idleSeconds, Hooks hooks, QObject* parent)
    : QObject(parent), watch_(clock, idleSeconds), hooks_(std::move(hooks)) {
    notice_ = new IdleNotice;
    connect(notice_, &IdleNotice::Continued, this, [this] { Touched(); });
    reminder_.setSingleShot(true);
    connect(&reminder_, &QTimer::timeout, notice_, &QWidget::hide);
    if (idleSeconds <= 0) return;
    connect(&tick_, &QTimer::timeout, this, &IdleGuard::Tick);
    tick_.start(kTickMs);
}

IdleGuard::~IdleGuard() { delete notice_; }

void IdleGuard::Tick() {
    if (ending_) return;
    const bool watched = hooks_.watched();
    if (watched && !watching_) {
        // First in line, before the host's own filter that may keep a key.
        qApp->installEventFilter(this);
    }
    watching_ = watched;
    if (const std::size_t done = hooks_.elsewhere ? hooks_.elsewhere() : 0; done != elsewhere_) {
        elsewhere_ = done;
        Touched();
    }
    switch (watch_.Poll(watched, watched && hooks_.paused())) {
        case IdleWatch::Phase::kQuiet:
            if (notice_->Warning()) notice_->hide();
            break;
        case IdleWatch::Phase::kWarning:
            if (notice_->Warning()) {
                notice_->SetSecondsLeft(watch_.SecondsLeft());
            } else {
                notice_->ShowWarning(hooks_.screen(), watch_.SecondsLeft());
            }
            break;
        case IdleWatch::Phase::kEnd:
            ending_ = true;
            closeTries_ = 0;
            CloseDialogsThenEnd();
            break;
    }
}

void IdleGuard::CloseDialogsThenEnd() {
    // The notice first: the dialogs under it are found then.
    notice_->hide();
    QWidget* modal = QApplication::activeModalWidget();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (modal && ++closeTries_ < kCloseTries) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        // Its flow goes on once its loop returns, and may open the next.
        QTimer::singleShot(kCloseRetryMs, this, &IdleGuard::CloseDialogsThenEnd);
        return;
    }
    const std::string reminder = hooks_.end();
    ending_ = false;
    watch_.Touched();
    if (reminder.empty()) return;
    notice_->ShowReminder(hooks_.screen(), reminder);
    reminder_.start(kReminderMs);
}

void IdleGuard::Touched() {
    watch_.Touched();
    if (notice_->Warning()) notice_->hide();
}

bool IdleGuard::eventFilter(QObject* watched, QEvent* event) {
    if (IsTouch(event->type()) && !ending_) {
        // The reminder goes at a touch, as the warning does.
        if (notice_->isVisible() && !notice_->Warning()) {
            reminder_.stop();
            notice_->hide();
        }
        Touched();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orelle
