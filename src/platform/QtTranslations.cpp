#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tintora {

QTranslator* InstallQtTranslations(QCoreApplication* app) {
    auto* translator = new QTranslator(app);
    // "qt_ja" gathers the catalogues of all Qt modules.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qt", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace tintora
