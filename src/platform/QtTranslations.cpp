#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tintora {

QTranslator* InstallQtTranslations(QCoreApplication* app) {
    auto* translator = new QTranslator(app);
    // Only the modules the program uses: "qtbase" holds the widgets' and dialogs' texts.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace tintora
