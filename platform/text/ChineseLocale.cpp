#include "platform/text/ChineseLocale.h"

#include <QLocale>

namespace orelle::text {
namespace {

const QLocale& Chinese() {
    static const QLocale locale(QLocale::Chinese, QLocale::China);
    return locale;
}

}  // namespace

std::string FileSizeText(std::uint64_t bytes) {
    // The traditional units (KB, MB) a customer knows, not KiB.
    QString size = Chinese().formattedDataSize(static_cast<qint64>(bytes), 1,
                                               QLocale::DataSizeTraditionalFormat);
    return size.replace(QStringLiteral("kB"), QStringLiteral("KB")).toStdString();
}

std::string FileDateText(const QDateTime& when) {
    return Chinese().toString(when, QLocale::ShortFormat).toStdString();
}

}  // namespace orelle::text
