#pragma once
// Put between a Qt file dialog and its file system model: sizes, kinds and
// dates in Chinese (Qt's model formats them by the machine's locale: "KiB",
// "Folder", "JPEG Image" and English month names on a machine set up in
// English).

#include <QIdentityProxyModel>

class QFileInfo;

namespace orelle {

// "文件夹", "JPEG 照片", "PNG 图片", "TXT 文件" ...
QString ChineseFileKind(const QFileInfo& info);

class ChineseFileModel : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace orelle
