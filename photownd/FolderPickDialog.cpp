#include "photownd/FolderPickDialog.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "orderdata/TextCase.h"
#include "platform/paths/Paths.h"
#include "platform/registry/Registry.h"

namespace orelle {

std::string InitialPickFolder(Registry& registry) {
    std::string folder;
    if (registry.CreateKey(RegistryRoot::LocalMachine, kLastDirReadKey) != kRegistryOk) {
        return paths::WithTrailingSeparator(QDir::rootPath().toStdString());
    }
    if (registry.Query(RegistryRoot::LocalMachine, kLastDirReadKey, "lastDir", folder) !=
            kRegistryOk ||
        folder.empty()) {
        folder = paths::ProgramFolder();
    }
    return paths::WithTrailingSeparator(folder);
}

bool RememberPickedFolder(Registry& registry, const std::string& folder) {
    return registry.Set(RegistryRoot::LocalMachine, kLastDirWriteKey, "lastDir", folder) ==
           kRegistryOk;
}

FolderPickDialog::FolderPickDialog(const std::string& initialFolder, const std::string& title,
                                   Registry& registry, QWidget* parent, bool phones)
    : QDialog(parent), registry_(registry) {
    setWindowTitle(QString::fromStdString(title));
    resize(560, 420);
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDot);
    model_->setNameFilters({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")});
    model_->setNameFilterDisables(false);
    model_->setRootPath(QDir::rootPath());
    where_ = new QLabel(this);
    list_ = new QListView(this);
    list_->setObjectName(QString::number(kListId));
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* up = new QPushButton(QString::fromUtf8("上一级"), this);
    up->setObjectName(QString::number(kUpId));
    auto* open = new QPushButton(QString::fromUtf8("打开"), this);
    open->setObjectName(QString::number(kOpenId));
    open->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName(QString::number(kCancelId));
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
    connect(list_, &QListView::activated, this, [this](const QModelIndex& index) {
        if (model_->isDir(index)) ShowFolder(model_->filePath(index).toStdString());
    });
    const std::string start = initialFolder.empty() ? InitialPickFolder(registry_) : initialFolder;
    ShowFolder(QDir(QString::fromStdString(start)).exists() ? start
                                                            : QDir::homePath().toStdString());
}

void FolderPickDialog::ShowFolder(const std::string& folder) {
    const QString path = QDir(QString::fromStdString(folder)).absolutePath();
    list_->setRootIndex(model_->index(path));
    where_->setText(path);
}

std::string FolderPickDialog::ShownFolder() const { return where_->text().toStdString(); }

void FolderPickDialog::Up() {
    QDir dir(where_->text());
    if (dir.cdUp()) ShowFolder(dir.absolutePath().toStdString());
}

// Chosen photos open those photos; otherwise the folder shown is chosen.
void FolderPickDialog::Open() {
    std::vector<std::string> chosen;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) {
        if (!model_->isDir(index)) chosen.push_back(model_->filePath(index).toStdString());
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
    RememberPickedFolder(registry_, folder);
    return folder;
}

}  // namespace orelle
