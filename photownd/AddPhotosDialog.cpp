#include "photownd/AddPhotosDialog.h"

#include <QStringList>

#include "orderdata/PhotoFileKinds.h"
#include "photownd/ChineseFileModel.h"
#include "skin/TouchSizes.h"

namespace orelle {
namespace {

QString PhotoFilter() {
    QStringList patterns;
    for (const std::string& p : PhotoNamePatterns()) patterns << QString::fromStdString(p);
    return QString::fromUtf8("照片(%1)").arg(patterns.join(u' '));
}

}  // namespace

std::unique_ptr<QFileDialog> MakeAddPhotosDialog(QWidget* parent, const std::string& folder) {
    auto picker = std::make_unique<QFileDialog>(parent, QString(), QString::fromStdString(folder),
                                                PhotoFilter());
    picker->setFileMode(QFileDialog::ExistingFiles);
    picker->setOption(QFileDialog::DontUseNativeDialog);
    picker->setProxyModel(new ChineseFileModel(picker.get()));
    MakeTouchable(picker.get());
    // Room for the larger rows: most of the station's screen.
    picker->resize(900, 640);
    return picker;
}

}  // namespace orelle
