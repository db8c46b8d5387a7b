#pragma once

// The program speaks Japanese, and so do the platform's own dialogs it opens (message boxes, the
// file and colour choosers, the buttons "OK" and "キャンセル"): Qt's Japanese translations are
// loaded whatever the system's language.

class QCoreApplication;
class QTranslator;

namespace tintora {

// Installs Qt's Japanese translations into the application; returns the translator (owned by the
// application), or nullptr when the system has no such translations.
QTranslator* InstallQtTranslations(QCoreApplication* app);

} // namespace tintora
