#include "skin/SystemTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orelle {

bool InstallSystemTranslations() {
    static const bool installed = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        const bool loaded =
            translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (loaded) return QCoreApplication::installTranslator(translator);
        delete translator;
        return false;
    }();
    return installed;
}

}  // namespace orelle
