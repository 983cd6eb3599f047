#include "submit/AlbumChoiceDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "skin/ModalRunner.h"
#include "skin/SkinLook.h"
#include "submit/AlbumList.h"

namespace orelle {

AlbumChoiceDialog::AlbumChoiceDialog(const std::string& albumListText, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::number(kResourceId));
    setWindowTitle(QString::fromUtf8("选择相册"));
    setFont(DialogFont());
    list_ = new QTreeWidget(this);
    list_->setObjectName(QString::number(kListId));
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setFont(GdiFont(skin::kSongTi, 13));
    list_->setHeaderLabels({QString(), QString::fromUtf8("相册名称")});
    // The id column carries the id without showing it.
    list_->setColumnHidden(0, true);
    list_->setColumnWidth(1, 182);
    for (const AlbumItem& album : ParseAlbumList(albumListText)) {
        new QTreeWidgetItem(list_,
                            {QString::fromStdString(album.id), QString::fromStdString(album.name)});
    }
    auto* ok = new QPushButton(QString::fromUtf8("确定"), this);
    ok->setObjectName("1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setFixedSize(230, 260);
    connect(ok, &QPushButton::clicked, this, &AlbumChoiceDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &AlbumChoiceDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &AlbumChoiceDialog::OnOK);
}

void AlbumChoiceDialog::OnOK() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(this, "提示!", "请选择一个相册!");
        return;
    }
    id_ = selected.front()->text(0).toStdString();
    name_ = selected.front()->text(1).toStdString();
    accept();
}

}  // namespace orelle
