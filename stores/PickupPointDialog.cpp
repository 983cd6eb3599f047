#include "stores/PickupPointDialog.h"

#include <QLabel>
#include <QTreeWidget>
#include <memory>
#include <optional>

#include "skin/DialogButton.h"
#include "skin/ModalRunner.h"
#include "skin/RectLtrb.h"
#include "skin/SkinLook.h"
#include "skin/StaticText.h"
#include "stores/StoreListRefresh.h"

namespace orelle {
namespace {

struct Column {
    const char* title;
    int width;
};
constexpr Column kColumns[] = {{"id", 0}, {"取件点名称", 100}, {"电话", 110}, {"地址", 190}};

QListWidget* MakeListBox(QWidget* parent, int id, const char* caption, int x) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setFont(DialogFont());
    label->setGeometry(x, 36, 130, 16);
    auto* box = new QListWidget(parent);
    box->setObjectName(QString::number(id));
    box->setFont(DialogFont());
    box->setGeometry(x, 54, 130, 250);
    return box;
}

}  // namespace

std::optional<ChosenPickupPoint> PickupPointDialog::Choose(const WebClient& client, FileSystem& fs,
                                                           const std::string& settingsFolder,
                                                           std::atomic<bool>& busy,
                                                           QWidget* parent) {
    PickupPointDialog pick(client, fs, StoreListPath(settingsFolder), busy, parent);
    if (RunModal(pick) != QDialog::Accepted) return std::nullopt;
    return ChosenPickupPoint{pick.Serid(), pick.Storename()};
}

PickupPointDialog::PickupPointDialog(const WebClient& client, FileSystem& fs,
                                     std::string storeListPath, std::atomic<bool>& busy,
                                     QWidget* parent)
    : SkinDialog(kResourceId, parent),
      client_(client),
      fs_(fs),
      path_(std::move(storeListPath)),
      jobs_(busy) {}

bool PickupPointDialog::OnInitDialog() {
    SkinDialog::OnInitDialog();
    SetTitle("选择取件点--(选择城镇-->选择街道小区-->精确选择取件点)");
    PlaceCentred(720, 400);
    towns_ = MakeListBox(this, kTownsId, "镇或城", 24);
    streets_ = MakeListBox(this, kStreetsId, "街道或小区", 162);
    points_ = new QTreeWidget(this);
    points_->setObjectName(QString::number(kPointsId));
    points_->setGeometry(300, 54, 404, 250);
    points_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    points_->setRootIsDecorated(false);
    points_->setSelectionBehavior(QAbstractItemView::SelectRows);
    points_->setFont(GdiFont(skin::kSongTi, 13));
    QStringList titles;
    for (const Column& c : kColumns) titles << QString::fromUtf8(c.title);
    points_->setHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        points_->headerItem()->setTextAlignment(i, Qt::AlignCenter);
        points_->setColumnWidth(i, kColumns[i].width);
    }
    // The id column carries the id without showing it.
    points_->setColumnHidden(0, true);
    notice_ = new StaticText(kNoticeId, this);
    notice_->setGeometry(24, 312, 676, 26);
    notice_->SetText("正在登录......");
    MakeDialogButton(this, kOkId, "确定", 16, RectLtrb(250, 344, 330, 384));
    MakeDialogButton(this, kCancelId, "取消", 16, RectLtrb(390, 344, 470, 384));

    connect(towns_, &QListWidget::currentRowChanged, this, &PickupPointDialog::FillStreets);
    connect(streets_, &QListWidget::currentRowChanged, this, &PickupPointDialog::FillPoints);
    connect(points_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });

    auto fetched = std::make_shared<std::optional<StoreList>>();
    JobRunner::Job refresh;
    refresh.work = [this, fetched](JobContext& context) {
        *fetched = RefreshStoreList(client_, fs_, path_, [&context] { return context.Stopped(); });
    };
    refresh.done = [this, fetched] {
        if (*fetched) Show(std::move(**fetched));
    };
    jobs_.Start(std::move(refresh));
    return true;
}

void PickupPointDialog::Show(StoreList list) {
    list_ = std::move(list);
    notice_->SetText(list_.notify);
    points_->clear();
    const QSignalBlocker quiet(towns_);
    towns_->clear();
    for (const Town& t : list_.towns) towns_->addItem(QString::fromStdString(t.town));
    towns_->setCurrentRow(0);
    FillStreets(towns_->currentRow());
}

void PickupPointDialog::FillStreets(int town) {
    const QSignalBlocker quiet(streets_);
    streets_->clear();
    streetCodes_.clear();
    if (town >= 0) {
        for (std::size_t s : list_.StreetsOf(static_cast<std::size_t>(town))) {
            streets_->addItem(QString::fromStdString(list_.streets[s].street));
            streetCodes_.push_back(list_.streets[s].code);
        }
    }
    if (streetCodes_.empty()) {
        points_->clear();
        return;
    }
    streets_->setCurrentRow(0);
    FillPoints(0);
}

void PickupPointDialog::FillPoints(int street) {
    points_->setUpdatesEnabled(false);
    points_->clear();
    if (street >= 0 && static_cast<std::size_t>(street) < streetCodes_.size()) {
        QList<QTreeWidgetItem*> rows;
        for (std::size_t i : list_.PointsOf(streetCodes_[static_cast<std::size_t>(street)])) {
            const PickupPoint& p = list_.points[i];
            auto* row = new QTreeWidgetItem(QStringList{
                QString::fromStdString(p.serid), QString::fromStdString(p.storename),
                QString::fromStdString(p.storetel), QString::fromStdString(p.storeaddr)});
            for (int c = 0; c < row->columnCount(); ++c) row->setTextAlignment(c, Qt::AlignCenter);
            rows.push_back(row);
        }
        points_->addTopLevelItems(rows);
    }
    points_->setUpdatesEnabled(true);
}

std::string PickupPointDialog::Notice() const {
    return notice_ ? notice_->Text().toStdString() : "";
}

void PickupPointDialog::OnCommand(int id) {
    if (id == kOkId) OnOK();
    if (id == kCancelId) OnCancel();
}

void PickupPointDialog::OnOK() {
    QTreeWidgetItem* row = points_->currentItem();
    if (!row || !row->isSelected()) return;
    row_ = points_->indexOfTopLevelItem(row);
    serid_ = row->text(0).toStdString();
    storename_ = row->text(1).toStdString();
    list_ = {};
    accept();
}

void PickupPointDialog::OnCancel() {
    jobs_.Stop();
    jobs_.Wait();
    list_ = {};
    reject();
}

}  // namespace orelle
