#include "photownd/ChineseFileModel.h"

#include <QFileInfo>
#include <QFileSystemModel>

#include "platform/text/ChineseLocale.h"

namespace orelle {
namespace {

// The columns of Qt's file system model.
constexpr int kSizeColumn = 1;
constexpr int kKindColumn = 2;
constexpr int kDateColumn = 3;

}  // namespace

QString ChineseFileKind(const QFileInfo& info) {
    if (info.isDir()) return QString::fromUtf8("文件夹");
    const QString suffix = info.suffix().toUpper();
    if (suffix == u"JPG" || suffix == u"JPEG") return QString::fromUtf8("JPEG 照片");
    if (suffix == u"HEIC" || suffix == u"HEIF") return QString::fromUtf8("HEIF 照片");
    if (suffix == u"PNG") return QString::fromUtf8("PNG 图片");
    return suffix.isEmpty() ? QString::fromUtf8("文件") : suffix + QString::fromUtf8(" 文件");
}

QVariant ChineseFileModel::data(const QModelIndex& index, int role) const {
    const int column = index.column();
    if (role != Qt::DisplayRole ||
        (column != kSizeColumn && column != kKindColumn && column != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QFileInfo info(
        QIdentityProxyModel::data(index, QFileSystemModel::FilePathRole).toString());
    if (column == kKindColumn) return ChineseFileKind(info);
    if (column == kDateColumn)
        return QString::fromStdString(text::FileDateText(info.lastModified()));
    if (info.isDir()) return QIdentityProxyModel::data(index, role);
    return QString::fromStdString(text::FileSizeText(static_cast<std::uint64_t>(info.size())));
}

}  // namespace orelle
