#pragma once
// Put between a Qt file dialog and its file system model: sizes and dates
// in Chinese (Qt's model formats them by the machine's locale: "KiB" and
// English month names on a machine set up in English).

#include <QIdentityProxyModel>

namespace orelle {

class ChineseFileModel : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace orelle
