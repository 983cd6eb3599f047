#include "stores/RouteMemberDialog.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/RectLtrb.h"
#include "skin/SkinLook.h"
#include "stores/RouteMembers.h"

namespace orelle {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 360;

void ShowDatabaseError(const char* text) { ShowMessage(nullptr, kDatabaseErrorTitle, text); }

QLabel* MakeLabel(QWidget* parent, const char* text, int x) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFont(DialogFont());
    label->setGeometry(x, 36, 150, 16);
    return label;
}

}  // namespace

RouteMemberDialog::RouteMemberDialog(DatabaseConnector& connector, OdbcSettings server,
                                     const WebClient& client, const BackOfficeLogin& login,
                                     QWidget* parent)
    : SkinDialog(kResourceId, parent),
      connector_(connector),
      server_(std::move(server)),
      client_(client),
      login_(login) {}

bool RouteMemberDialog::Open(OrderDatabase& db) { return db.OpenDatabase(server_); }

bool RouteMemberDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("线路会员");
    setFont(GdiFont(skin::kSongTi, skin::kDialogFontHeight));
    PlaceCentred(kWidth, kHeight);
    MakeLabel(this, "线路列表:", 22);
    routes_ = new QListWidget(this);
    routes_->setObjectName(QString::number(kRoutesId));
    routes_->setFont(DialogFont());
    routes_->setGeometry(22, 54, 136, 236);
    MakeLabel(this, "会员列表:", 168);
    members_ = new QTreeWidget(this);
    members_->setObjectName(QString::number(kMembersId));
    members_->setGeometry(168, 54, 236, 236);
    members_->setFont(GdiFont(skin::kSongTi, 13));
    members_->setRootIsDecorated(false);
    members_->setSelectionBehavior(QAbstractItemView::SelectRows);
    members_->setHeaderLabels({QString::fromUtf8("编号"), QString::fromUtf8("客户名称")});
    // The report view's columns keep their widths; Qt would stretch the last.
    members_->header()->setStretchLastSection(false);
    members_->setColumnWidth(0, 82);
    members_->setColumnWidth(1, 150);
    MakeDialogButton(this, 1, "确定", 16, RectLtrb(110, 304, 190, 344));
    MakeDialogButton(this, 2, "取消", 16, RectLtrb(230, 304, 310, 344));

    OrderDatabase db(connector_, ShowDatabaseError);
    if (Open(db)) {
        for (const std::string& name : RouteNames(db))
            routes_->addItem(QString::fromStdString(name));
    }
    db.Close();
    routes_->installEventFilter(this);
    members_->installEventFilter(this);
    connect(routes_, &QListWidget::itemSelectionChanged, this, &RouteMemberDialog::FillMembers);
    connect(routes_, &QListWidget::itemDoubleClicked, this, &RouteMemberDialog::FillMembers);
    connect(members_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
    routes_->setCurrentRow(0);
    routes_->setFocus();
    return true;
}

void RouteMemberDialog::FillMembers() {
    const QList<QListWidgetItem*> chosen = routes_->selectedItems();
    if (chosen.isEmpty()) return;
    chosenRoute_ = chosen.front()->text().toStdString();
    OrderDatabase db(connector_, ShowDatabaseError);
    if (!Open(db)) return;
    members_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const RouteMember& m : RouteMembersOf(db, chosenRoute_))
        rows.push_back(new QTreeWidgetItem(
            QStringList{QString::fromStdString(m.code), QString::fromStdString(m.name)}));
    members_->addTopLevelItems(rows);
}

bool RouteMemberDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == routes_ || watched == members_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right) {
            routes_->clearSelection();
            members_->setFocus();
            if (members_->topLevelItemCount() > 0) {
                members_->setCurrentItem(members_->topLevelItem(0));
                members_->topLevelItem(0)->setSelected(true);
            }
            return true;
        }
        if (key == Qt::Key_Left) {
            routes_->setCurrentRow(0);
            routes_->setFocus();
            return true;
        }
    }
    return SkinDialog::eventFilter(watched, event);
}

void RouteMemberDialog::OnCommand(int id) {
    if (id == 1) OnOK();
    if (id == 2) OnCancel();
}

void RouteMemberDialog::OnOK() {
    const QList<QTreeWidgetItem*> chosen = members_->selectedItems();
    if (chosen.isEmpty()) return;
    const std::string code = chosen.front()->text(0).toStdString();
    const RouteMemberPassword found = LookUpRouteMember(client_, login_, code);
    if (const char* message = RouteMemberMessage(found.answer)) {
        ShowMessage(nullptr, "提示", message);
        return;
    }
    route_ = chosenRoute_;
    memberCode_ = code;
    password_ = found.password;
    accept();
}

}  // namespace orelle
