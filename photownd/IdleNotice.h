#pragma once
// The notice over the whole station when nobody has touched it: "您还在吗?"
// with the seconds left and one large button "继续使用"; after the end, the
// reminder to take the card back. A window of its own above every dialog,
// modal while shown, so that the customer's photos and dialogs are hidden
// behind it and a touch anywhere lands on it.

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace orelle {

class IdleNotice : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kContinueId = 1;

    IdleNotice();

    // Shown over the whole of window (the screen when there is none).
    void ShowWarning(QWidget* window, int secondsLeft);
    void ShowReminder(QWidget* window, const std::string& text);
    void SetSecondsLeft(int seconds);
    bool Warning() const { return isVisible() && warning_; }
    std::string Countdown() const;

  signals:
    void Continued();

  private:
    void Cover(QWidget* window);

    QLabel* question_ = nullptr;
    QLabel* countdown_ = nullptr;
    QPushButton* continue_ = nullptr;
    bool warning_ = false;
};

}  // namespace orelle
