#pragma once
// "下单登录": the last step of placing an order. The customer logs in as a
// member, chooses payment, pickup point or delivery, and OK runs the
// exchange with the back office on a worker; once the order is placed the
// dialog closes by itself as accepted, and Result holds what the order
// files need. The form's logic is OrderForm's; this window shows it.
//
// Cancel (or Escape) stops a running exchange, which then changes nothing,
// and closes at once; once the order is placed, the dialog can no longer be
// cancelled. The database edition logs in as soon as the dialog shows
// when the shop or the host gave the member; otherwise it waits for one.
// Nothing typed here is written into the settings.

#include <QTimer>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/jobs/JobRunner.h"
#include "skin/SkinDialog.h"
#include "submit/OrderBackEnd.h"
#include "submit/OrderChoosers.h"
#include "submit/OrderForm.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace orelle {

class BitmapButton;
class Clock;
class OrderExchange;
class StaticText;
class WebClient;
struct BackOfficeLogin;
struct FeatureFlags;

// What the dialog works with besides its exchange; everything must
// outlive it.
struct OrderDialogServices {
    const Clock& clock;
    const FeatureFlags& flags;
    BackOfficeLogin& backOffice;  // the back-office login, kept for the process
    std::atomic<bool>& busy;      // the process's busy flag
    RouteMemberChooser chooseRouteMember;
    PickupPointChooser choosePickupPoint;
};

class OrderDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1018;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kMemberCodeId = 1015;
    static constexpr int kPasswordId = 1016;
    static constexpr int kStatusId = 1021;
    static constexpr int kPaymentId = 1042;
    static constexpr int kStoreId = 1043;
    static constexpr int kDeliveryId = 1044;
    static constexpr int kPickupId = 1049;
    static constexpr int kContactNameId = 1053;
    static constexpr int kTelephoneId = 1054;
    static constexpr int kAddressId = 1055;
    static constexpr int kMobileId = 1056;
    static constexpr int kDayId = 1058;
    static constexpr int kHourId = 1059;
    static constexpr int kNotesId = 1060;
    // How long the placed order's dialog stays before it closes.
    static constexpr int kDatabaseCloseMs = 600;
    static constexpr int kWebCloseMs = 300;

    // The request as the placement made it; the exchange must outlive the
    // dialog.
    OrderDialog(OrderRequest request, OrderExchange& exchange, const OrderDialogServices& services,
                QWidget* parent = nullptr);
    ~OrderDialog() override;

    void OnCommand(int id) override;
    void reject() override;

    // backscape/loginBack.bmp of the program folder.
    static std::string BackgroundPath();

    OrderMode Mode() const { return start_.mode; }
    std::string Status() const;
    // Complete once the dialog is accepted.
    const OrderOutcome& Result() const { return result_; }
    // True while the customer may still edit: no exchange runs, no order
    // is placed.
    bool Editing() const { return state_ == State::kEditing; }

  signals:
    // An exchange with the back office ended: the order placed, or the
    // status line tells why not.
    void ExchangeEnded(bool placed);

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void PaintBackground(QPainter& p) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class State { kEditing, kWorking, kClosing };

    void MakeControls();
    void Fill(const OrderFields& f);
    OrderFields Read() const;
    void SetStatus(const std::string& utf8);
    void SetWorking(bool working);
    void ShowDelivery(bool on);
    void OnDeliveryClicked();
    void OnPickupPoint();
    void OnDeliveryNotes();
    void ChooseMember();
    void Submit(const OrderFields& f);
    void Finish(const OrderOutcome& outcome);
    bool Ask(const std::string& question);
    void CloseAccepted();

    OrderRequest request_;
    OrderExchange& exchange_;
    OrderDialogServices services_;
    OrderFormStart start_;
    OrderOutcome result_;
    State state_ = State::kEditing;
    QPixmap background_;

    QLineEdit* memberCode_ = nullptr;
    QLineEdit* password_ = nullptr;
    StaticText* status_ = nullptr;
    QComboBox* payment_ = nullptr;
    QComboBox* store_ = nullptr;
    QPushButton* pickup_ = nullptr;
    QCheckBox* delivery_ = nullptr;
    QPushButton* notes_ = nullptr;
    QLineEdit* contactName_ = nullptr;
    QLineEdit* telephone_ = nullptr;
    QLineEdit* mobile_ = nullptr;
    QLineEdit* address_ = nullptr;
    QDateEdit* day_ = nullptr;
    QComboBox* hour_ = nullptr;
    BitmapButton* ok_ = nullptr;
    BitmapButton* cancel_ = nullptr;
    QTimer closeTimer_;  // timer 1000
    JobRunner jobs_;
};

}  // namespace orelle
