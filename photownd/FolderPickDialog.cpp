#include "photownd/FolderPickDialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "orderdata/PickerRows.h"
#include "orderdata/TextCase.h"
#include "platform/files/FileSystem.h"
#include "platform/imaging/EmbeddedPreview.h"
#include "platform/imaging/PictureFile.h"
#include "platform/paths/CardFolders.h"
#include "platform/paths/Paths.h"
#include "platform/registry/Registry.h"
#include "skin/TouchSizes.h"

namespace orelle {
namespace {

constexpr int kThumbSide = 56;

QIcon Blank() {
    QPixmap blank(kThumbSide, kThumbSide);
    blank.fill(QColor(225, 225, 225));
    return QIcon(blank);
}

}  // namespace

QImage PickerThumbnail(FileSystem& fs, const std::string& path, int side) {
    std::string head;
    const std::optional<QSize> full = ReadPixelSize(fs, path, &head);
    if (!full) return {};
    QImage image = DecodeEmbeddedPreview(head, *full, QSize(side, side));
    if (image.isNull()) image = DecodeReduced(fs, path, 2, QSize(side, side));
    if (image.isNull()) return image;
    // Square, so that the names of all rows start in one column.
    const QImage scaled = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter(&square).drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    return square;
}

std::string InitialPickFolder(Registry& registry, FileSystem& fs,
                              const std::vector<std::string>& cardFolders,
                              const PickStartFilter& mayStart) {
    std::string folder;
    if (registry.CreateKey(RegistryRoot::LocalMachine, kLastDirReadKey) != kRegistryOk) {
        return paths::WithTrailingSeparator(QDir::rootPath().toStdString());
    }
    if (registry.Query(RegistryRoot::LocalMachine, kLastDirReadKey, "lastDir", folder) !=
            kRegistryOk ||
        folder.empty() || (mayStart && !mayStart(folder))) {
        // A customer comes with a card, not with the station's own files.
        folder = CardStartFolder(fs, cardFolders);
        if (folder.empty()) folder = paths::ProgramFolder();
    }
    return paths::WithTrailingSeparator(folder);
}

std::string InitialPickFolder(Registry& registry, FileSystem& fs, const PickStartFilter& mayStart) {
    return InitialPickFolder(registry, fs, CardFolderCandidates(CurrentUserName()), mayStart);
}

bool RememberPickedFolder(Registry& registry, const std::string& folder) {
    return registry.Set(RegistryRoot::LocalMachine, kLastDirWriteKey, "lastDir", folder) ==
           kRegistryOk;
}

FolderPickDialog::FolderPickDialog(const std::string& initialFolder, const std::string& title,
                                   Registry& registry, FileSystem& fs, QWidget* parent, bool phones,
                                   PickStartFilter mayStart, PickStartFilter mayShow)
    : QDialog(parent),
      registry_(registry),
      fs_(fs),
      mayStart_(std::move(mayStart)),
      mayShow_(std::move(mayShow)) {
    setWindowTitle(QString::fromStdString(title));
    // Rows a finger can hit, with room to show many of them whole.
    resize(760, 640);
    MakeTouchable(this);
    thumbnailer_.setMaxThreadCount(1);
    where_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(kListId));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setIconSize(QSize(kThumbSide, kThumbSide));
    list_->setUniformItemSizes(true);
    // Scrolled to its end, the list shows its last row whole.
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->installEventFilter(this);
    auto* up = new QPushButton(QString::fromUtf8("上一级"), this);
    up->setObjectName(QString::number(kUpId));
    auto* open = new QPushButton(QString::fromUtf8("打开"), this);
    open->setObjectName(QString::number(kOpenId));
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(QString::number(kCancelId));
    // Enter belongs to the list (it goes into a folder), never to a button.
    for (QPushButton* button : {up, open, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(up);
    if (phones) {
        auto* phone = new QPushButton(QString::fromUtf8("手机传照片"), this);
        phone->setObjectName(QString::number(kPhoneId));
        buttons->addWidget(phone);
        connect(phone, &QPushButton::clicked, this, [this] { done(kPhoneId); });
    }
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(up, &QPushButton::clicked, this, &FolderPickDialog::Up);
    connect(open, &QPushButton::clicked, this, &FolderPickDialog::Open);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Activate(list_->row(item)); });
    const std::string start =
        initialFolder.empty() ? InitialPickFolder(registry_, fs_, mayStart_) : initialFolder;
    ShowFolder(fs_.DirectoryExists(start) ? start : QDir::homePath().toStdString());
    list_->setFocus();
}

FolderPickDialog::~FolderPickDialog() { StopThumbnails(); }

void FolderPickDialog::StopThumbnails() {
    ++shownGeneration_;
    thumbnailer_.clear();
    thumbnailer_.waitForDone();
}

void FolderPickDialog::ReadThumbnails() {
    const int generation = shownGeneration_;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->data(Qt::UserRole + 1).toBool()) continue;
        thumbnailer_.start([this, generation, row, path = RowPath(row)] {
            const QImage thumbnail = PickerThumbnail(fs_, path, kThumbSide);
            if (thumbnail.isNull()) return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, row, thumbnail] {
                    if (generation != shownGeneration_ || row >= list_->count()) return;
                    list_->item(row)->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
                },
                Qt::QueuedConnection);
        });
    }
}

bool FolderPickDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (list_->currentRow() >= 0) Activate(list_->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FolderPickDialog::ShowFolder(const std::string& folder) {
    const QString path = QDir(QString::fromStdString(folder)).absolutePath();
    if (mayShow_ && !mayShow_(path.toStdString())) return;
    StopThumbnails();
    where_->setText(path);
    list_->clear();
    std::vector<FolderEntry> entries;
    fs_.ListFolder(path.toStdString(), &entries);
    const std::string shown = path.toStdString();
    const auto rows = PickerRows(entries, [&shown](const std::string& name) {
        return IsMountPoint(paths::Join(shown, name));
    });
    for (const PickerRow& row : rows) {
        if (row.folder && mayShow_ && !mayShow_(paths::Join(shown, row.name))) continue;
        QString text = QString::fromStdString(row.name);
        if (row.card)
            text = QString::fromUtf8("[存储卡] ") + text;
        else if (row.folder)
            text += QLatin1Char('/');
        auto* item = new QListWidgetItem(text, list_);
        item->setData(Qt::UserRole, QString::fromStdString(row.name));
        item->setData(Qt::UserRole + 1, row.folder);
        item->setIcon(row.folder ? style()->standardIcon(QStyle::SP_DirIcon) : Blank());
    }
    if (list_->count() > 0) list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ReadThumbnails();
}

std::string FolderPickDialog::ShownFolder() const { return where_->text().toStdString(); }

std::string FolderPickDialog::RowPath(int row) const {
    return paths::Join(ShownFolder(),
                       list_->item(row)->data(Qt::UserRole).toString().toStdString());
}

void FolderPickDialog::Activate(int row) {
    if (row < 0 || row >= list_->count()) return;
    if (list_->item(row)->data(Qt::UserRole + 1).toBool()) {
        ShowFolder(RowPath(row));
        return;
    }
    if (!list_->item(row)->isSelected()) list_->item(row)->setSelected(true);
    Open();
}

void FolderPickDialog::Up() {
    QDir dir(where_->text());
    if (dir.cdUp()) ShowFolder(dir.absolutePath().toStdString());
}

// Chosen photos open those photos; otherwise the folder shown is chosen.
void FolderPickDialog::Open() {
    std::vector<std::string> chosen;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        if (item->isSelected() && !item->data(Qt::UserRole + 1).toBool())
            chosen.push_back(RowPath(row));
    }
    if (!chosen.empty()) return ChoosePhotos(chosen);
    chosen_ = ShownFolder();
    if (chosen_.empty()) return;
    folderChosen = true;
    done(1);
}

void FolderPickDialog::ChoosePhotos(const std::vector<std::string>& photos) {
    selectedPaths.clear();
    for (const std::string& p : photos) selectedPaths.push_back(ToLowerAscii(p));
    // The folder as spelt on the disk: names differ by case here.
    chosen_ = std::string(paths::DirectoryPart(photos.front()));
    accept();
}

std::string FolderPickDialog::GetChosenFolder() {
    const std::string folder = paths::WithTrailingSeparator(chosen_);
    // A registry that cannot be written still opens the folder.
    if (!mayStart_ || mayStart_(folder)) RememberPickedFolder(registry_, folder);
    return folder;
}

}  // namespace orelle
