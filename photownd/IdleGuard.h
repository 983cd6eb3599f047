#pragma once
// The window side of the idle end: every touch and key of the application
// reaches the watch (an event filter on the application), a timer asks it
// where the visit stands and shows the warning with its countdown, and at
// the end the open dialogs are cancelled, one after the other as their
// flows give up, before the visit ends. What is watched, what pauses it and
// what the end does are handed in. UI thread.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

#include "job/IdleWatch.h"

class QWidget;

namespace orelle {

class IdleNotice;

class IdleGuard : public QObject {
    Q_OBJECT

  public:
    static constexpr int kTickMs = 250;
    // How long the reminder after the end stays unless touched.
    static constexpr int kReminderMs = 20000;

    struct Hooks {
        std::function<bool()> watched;
        std::function<bool()> paused;
        // Ends the visit, once no dialog is open; returns what the customer
        // is reminded of (empty: nothing).
        std::function<std::string()> end;
        // The window the notice covers.
        std::function<QWidget*()> screen;
        // Counts what the customer does elsewhere (photos a phone sent):
        // a change is a touch.
        std::function<std::size_t()> elsewhere;
    };

    IdleGuard(const SteadyClock& clock, int idleSeconds, Hooks hooks, QObject* parent);
    ~IdleGuard() override;

    // Asks the watch now (the timer does it every kTickMs).
    void Tick();
    IdleNotice* Notice() const { return notice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Touched();
    // Cancels the dialog on top, again until none is left, then ends.
    void CloseDialogsThenEnd();

    IdleWatch watch_;
    Hooks hooks_;
    QTimer tick_;
    QTimer reminder_;
    IdleNotice* notice_ = nullptr;
    bool watching_ = false;
    std::size_t elsewhere_ = 0;
    bool ending_ = false;
    int closeTries_ = 0;
};

}  // namespace orelle
