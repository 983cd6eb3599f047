#include "submit/OrderDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "orderdata/FeatureFlags.h"
#include "platform/clock/Clock.h"
#include "platform/gbk/Gbk.h"
#include "platform/paths/Paths.h"
#include "skin/BitmapButton.h"
#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/RectLtrb.h"
#include "skin/StaticText.h"
#include "submit/BackOfficeLogin.h"
#include "submit/BackOfficeLoginDialog.h"
#include "submit/OrderExchange.h"
#include "submit/ServiceNoticeDialog.h"

namespace orelle {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 385;
// Where the delivery part of the picture is, blanked without delivery.
const QRect kDeliveryPanel = RectLtrb(27, 161, 390, 303);

constexpr int kContactBytes = 20;
constexpr int kAddressBytes = 250;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string S(const QString& text) { return text.toStdString(); }

template <typename W>
W* Place(W* widget, int id, const QRect& rect) {
    widget->setObjectName(QString::number(id));
    widget->setGeometry(rect);
    return widget;
}

// Typing stops at the field's size in GBK bytes, as the edit's limit did.
QLineEdit* MakeEdit(QWidget* parent, int id, const QRect& rect, int maxBytes = 0) {
    auto* edit = Place(new QLineEdit(parent), id, rect);
    if (maxBytes > 0) {
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes] {
            const std::string typed = S(edit->text());
            if (gbk::Length(typed) > static_cast<std::size_t>(maxBytes))
                edit->setText(Q(gbk::CutToBytes(typed, maxBytes)));
        });
    }
    return edit;
}

// The web edition's confirmation: No is the default, so that a hasty
// Enter does not place the order.
bool AskNoByDefault(const char* caption, const std::string& question) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(caption), Q(question),
                    QMessageBox::Yes | QMessageBox::No, nullptr);
    box.setDefaultButton(QMessageBox::No);
    return RunModal(box) == QMessageBox::Yes;
}

}  // namespace

OrderDialog::OrderDialog(OrderRequest request, OrderExchange& exchange,
                         const OrderDialogServices& services, QWidget* parent)
    : SkinDialog(kResourceId, parent),
      request_(std::move(request)),
      exchange_(exchange),
      services_(services),
      start_(OpenOrderForm(exchange.Settings(), services.flags, exchange.Servers(),
                           request_.fixedMember, services.clock.Now())),
      jobs_(services.busy) {
    closeTimer_.setSingleShot(true);
    connect(&closeTimer_, &QTimer::timeout, this, &OrderDialog::CloseAccepted);
}

OrderDialog::~OrderDialog() = default;

std::string OrderDialog::BackgroundPath() {
    return paths::Join(paths::Join(paths::ProgramFolder(), "backscape"), "loginBack.bmp");
}

bool OrderDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("下单登录");
    PlaceCentred(kWidth, kHeight);
    background_.load(Q(BackgroundPath()));
    MakeControls();
    Fill(start_.fields);
    SetStatus(start_.status);

    const bool web = start_.mode == OrderMode::kWeb;
    const bool database = start_.mode == OrderMode::kDatabase;
    ShowDelivery(start_.deliveryKept);
    for (QWidget* w : std::initializer_list<QWidget*>{delivery_, store_, payment_, pickup_}) {
        w->setVisible(!database);
    }
    memberCode_->setEnabled(!start_.memberLocked);
    password_->setEnabled(!start_.memberLocked);
    status_->installEventFilter(this);
    status_->setCursor(web ? Qt::PointingHandCursor : Qt::ArrowCursor);
    ok_->setEnabled(start_.refusal.empty());
    if (start_.submitAtOnce) {
        // Once the dialog shows: its boxes need it on the screen.
        QMetaObject::invokeMethod(this, &OrderDialog::OnOK, Qt::QueuedConnection);
    }
    return true;
}

void OrderDialog::MakeControls() {
    memberCode_ = MakeEdit(this, kMemberCodeId, QRect(251, 45, 125, 16));
    password_ = MakeEdit(this, kPasswordId, QRect(251, 81, 125, 16));
    password_->setEchoMode(QLineEdit::Password);
    // The status line has the width of the dialog's picture: a member
    // typed here is never kept for the next customer, so there is no
    // remember box beside it.
    status_ = Place(new StaticText(kStatusId, this), kStatusId, QRect(33, 105, 375, 30));

    payment_ = Place(new QComboBox(this), kPaymentId, QRect(55, 139, 90, 16));
    for (const char* item : orderform::kPaymentItems) payment_->addItem(QString::fromUtf8(item));
    store_ = Place(new QComboBox(this), kStoreId, QRect(201, 139, 140, 16));
    store_->addItem(Q(start_.storeItem));
    store_->setEnabled(false);
    pickup_ = Place(new QPushButton(QString::fromUtf8("取件点"), this), kPickupId,
                    QRect(145, 140, 55, 18));
    delivery_ =
        Place(new QCheckBox(QString::fromUtf8("送货"), this), kDeliveryId, QRect(344, 140, 45, 16));
    notes_ = Place(new QPushButton(QString::fromUtf8("查看送货须知"), this), kNotesId,
                   QRect(145, 160, 150, 19));
    contactName_ = MakeEdit(this, kContactNameId, QRect(110, 185, 258, 18), kContactBytes);
    telephone_ = MakeEdit(this, kTelephoneId, QRect(110, 207, 258, 18), kContactBytes);
    mobile_ = MakeEdit(this, kMobileId, QRect(110, 229, 258, 18), kContactBytes);
    address_ = MakeEdit(this, kAddressId, QRect(110, 251, 258, 18), kAddressBytes);
    day_ = Place(new QDateEdit(this), kDayId, QRect(119, 278, 102, 18));
    day_->setCalendarPopup(true);
    day_->setDisplayFormat("yyyy-M-d");
    hour_ = Place(new QComboBox(this), kHourId, QRect(227, 278, 102, 18));
    for (int h = 0; h < 24; ++h) hour_->addItem(QString::number(h));
    ok_ = MakeDialogButton(this, kOkId, "确  定", 16, QRect(129, 307, 70, 60));
    cancel_ = MakeDialogButton(this, kCancelId, "取  消", 16, QRect(229, 307, 70, 60));

    connect(delivery_, &QCheckBox::clicked, this, &OrderDialog::OnDeliveryClicked);
    connect(pickup_, &QPushButton::clicked, this, &OrderDialog::OnPickupPoint);
    connect(notes_, &QPushButton::clicked, this, &OrderDialog::OnDeliveryNotes);
}

void OrderDialog::Fill(const OrderFields& f) {
    memberCode_->setText(Q(f.memberCode));
    password_->setText(Q(f.password));
    delivery_->setChecked(f.delivery);
    payment_->setCurrentIndex(f.paymentIndex);
    // The host's store number picks from a list of one: any other number
    // leaves the list without a choice, as the list control did.
    store_->setCurrentIndex(request_.storeIndex);
    contactName_->setText(Q(f.contactName));
    telephone_->setText(Q(f.telephone));
    address_->setText(Q(f.address));
    mobile_->setText(Q(f.mobile));
    day_->setDate(QDate(f.appointment.year, f.appointment.month, f.appointment.day));
    hour_->setCurrentIndex(f.appointment.hour);
}

OrderFields OrderDialog::Read() const {
    OrderFields f;
    f.memberCode = S(memberCode_->text());
    f.password = S(password_->text());
    f.delivery = delivery_->isChecked();
    f.paymentIndex = payment_->currentIndex();
    f.contactName = S(contactName_->text());
    f.telephone = S(telephone_->text());
    f.address = S(address_->text());
    f.mobile = S(mobile_->text());
    const QDate d = day_->date();
    f.appointment.year = d.year();
    f.appointment.month = d.month();
    f.appointment.day = d.day();
    f.appointment.hour = hour_->currentIndex();
    return f;
}

std::string OrderDialog::Status() const { return status_ ? S(status_->Text()) : ""; }

void OrderDialog::SetStatus(const std::string& utf8) { status_->SetText(utf8); }

void OrderDialog::SetWorking(bool working) {
    state_ = working ? State::kWorking : State::kEditing;
    ok_->setEnabled(!working);
    pickup_->setEnabled(!working);
}

void OrderDialog::ShowDelivery(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{notes_, contactName_, telephone_, mobile_,
                                                      address_, day_, hour_}) {
        w->setVisible(on);
    }
    update();
}

void OrderDialog::PaintBackground(QPainter& p) {
    if (!background_.isNull()) p.drawPixmap(0, 0, background_);
    if (start_.mode == OrderMode::kDatabase || !delivery_ || !delivery_->isChecked()) {
        p.fillRect(kDeliveryPanel, Qt::white);
    }
}

void OrderDialog::OnDeliveryClicked() {
    if (start_.deliveryKept) delivery_->setChecked(true);
    SetStatus(start_.status);
    ShowDelivery(delivery_->isChecked());
}

void OrderDialog::OnPickupPoint() {
    if (state_ != State::kEditing || !services_.choosePickupPoint) return;
    const auto point = services_.choosePickupPoint(exchange_.Client(), this);
    if (!point) return;
    store_->clear();
    store_->addItem(Q(point->name));
    store_->setCurrentIndex(0);
    result_.pickupPointId = point->id;
}

void OrderDialog::OnDeliveryNotes() {
    // The exchange may be switching the client's host meanwhile.
    if (state_ != State::kEditing) return;
    ServiceNoticeDialog notes(exchange_.Client(), services_.busy, this);
    RunModal(notes);
}

void OrderDialog::ChooseMember() {
    if (start_.mode != OrderMode::kWeb || state_ != State::kEditing) return;
    if (!services_.backOffice.kept) {
        BackOfficeLoginDialog login(exchange_.Client(), services_.backOffice, services_.busy, this);
        if (RunModal(login) != QDialog::Accepted) return;
    }
    if (!services_.chooseRouteMember) return;
    const auto member = services_.chooseRouteMember(exchange_.Client());
    if (!member) return;
    memberCode_->setText(Q(member->first));
    password_->setText(Q(member->second));
}

bool OrderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == status_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ChooseMember();
        return true;
    }
    return SkinDialog::eventFilter(watched, event);
}

void OrderDialog::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ChooseMember();
}

void OrderDialog::OnCommand(int id) {
    if (id == kOkId) OnOK();
    if (id == kCancelId) reject();
}

void OrderDialog::OnOK() {
    // Enter reaches here with the button disabled too: one exchange at a
    // time, and none after the order is placed.
    if (state_ != State::kEditing) return;
    if (!start_.refusal.empty()) {
        SetStatus(start_.refusal);
        return;
    }
    OrderFields f = Read();
    const OkCheck check = CheckOk(f);
    if (check.refusal) {
        ShowMessage(nullptr, orderform::kPromptCaption, check.refusal);
        return;
    }
    if (!check.question.empty() &&
        !AskYesNo(nullptr, orderform::kDeliveryCaption, check.question.c_str())) {
        return;
    }
    SetStatus(orderform::kLoggingIn);
    SetWorking(true);
    result_.contactName = f.contactName;
    result_.telephone = f.telephone;
    result_.address = f.address;
    result_.mobile = f.mobile;
    result_.appointment = AppointmentTime(f.appointment);
    exchange_.Client().Reset();
    if (start_.selfEdit) {
        result_.placed = true;
        result_.orderNumber = SelfEditOrderNumber(request_.localId);
        state_ = State::kClosing;
        accept();
        return;
    }
    if (exchange_.BackEnd()) Submit(f);
}

void OrderDialog::Submit(const OrderFields& f) {
    OrderRequest request = request_;
    request.memberCode = f.memberCode;
    request.password = f.password;
    request.paymentIndex = f.paymentIndex;
    request.delivery = f.delivery;
    request.showStatus = [this](const std::string& text) { SetStatus(text); };
    request.showPayment = [this](int index) { payment_->setCurrentIndex(index); };

    auto outcome = std::make_shared<OrderOutcome>();
    JobRunner::Job job;
    job.work = [backEnd = exchange_.BackEnd(), request, outcome](JobContext& context) {
        *outcome = backEnd->Submit(request, context);
    };
    job.ask = [this](const std::string& question) { return Ask(question); };
    job.done = [this, outcome] { Finish(*outcome); };
    if (!jobs_.Start(std::move(job))) {
        SetStatus(start_.status);
        SetWorking(false);
    }
}

bool OrderDialog::Ask(const std::string& question) {
    if (start_.mode == OrderMode::kWeb) {
        return AskNoByDefault(orderform::kPriceCheckCaption, question);
    }
    return AskYesNo(nullptr, orderform::kMemberCheckCaption, question.c_str());
}

void OrderDialog::Finish(const OrderOutcome& outcome) {
    if (!outcome.placed) {
        SetStatus(outcome.status);
        SetWorking(false);
        emit ExchangeEnded(false);
        return;
    }
    state_ = State::kClosing;
    if (!outcome.memberCode.empty()) memberCode_->setText(Q(outcome.memberCode));
    if (outcome.paymentIndex) payment_->setCurrentIndex(*outcome.paymentIndex);
    result_.placed = true;
    result_.orderNumber = outcome.orderNumber;
    result_.memberCode = S(memberCode_->text());
    result_.orderMoney = outcome.orderMoney;
    if (start_.mode == OrderMode::kWeb) {
        result_.closingNotice =
            WebClosingNotice(request_.summaryText, outcome.orderNumber, outcome.orderMoney);
        result_.paymentIndex = payment_->currentIndex();
        result_.delivery = delivery_->isChecked();
    } else {
        result_.closingNotice =
            DatabaseClosingNotice(request_.summaryText, outcome.orderNumber, outcome.orderMoney);
    }
    cancel_->setEnabled(false);
    closeTimer_.start(start_.mode == OrderMode::kWeb ? kWebCloseMs : kDatabaseCloseMs);
    emit ExchangeEnded(true);
}

void OrderDialog::CloseAccepted() {
    jobs_.Stop();
    jobs_.Wait();
    accept();
}

void OrderDialog::reject() {
    // The order is placed: closing now would lose it.
    if (state_ == State::kClosing) return;
    jobs_.Stop();
    jobs_.Wait();
    SkinDialog::reject();
}

}  // namespace orelle
