#include "photownd/ChineseFileModel.h"

#include <QFileInfo>
#include <QFileSystemModel>

#include "platform/text/ChineseLocale.h"

namespace orelle {
namespace {

// The columns of Qt's file system model.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

}  // namespace

QVariant ChineseFileModel::data(const QModelIndex& index, int role) const {
    const int column = index.column();
    if (role != Qt::DisplayRole || (column != kSizeColumn && column != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info(
        QIdentityProxyModel::data(index, QFileSystemModel::FilePathRole).toString());
    if (column == kDateColumn)
        return QString::fromStdString(text::FileDateText(info.lastModified()));
    if (info.isDir()) return QIdentityProxyModel::data(index, role);
    return QString::fromStdString(text::FileSizeText(static_cast<std::uint64_t>(info.size())));
}

}  // namespace orelle
