// The program's start block: the instance marker, the application object, the main window and the
// message loop.

#include "app/Form1.h"
#include "platform/InstanceMarker.h"
#include "platform/ProgramLook.h"
#include "platform/QtClipboardText.h"
#include "platform/QtFileChooser.h"
#include "platform/QtTranslations.h"
#include "platform/QtUserPrompts.h"
#include "platform/SignalCloser.h"
#include "platform/SteadyClock.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>

#ifndef TINTORA_DATA_DIR
#define TINTORA_DATA_DIR ""
#endif
#ifndef TINTORA_BIN_DIR
#define TINTORA_BIN_DIR ""
#endif
#ifndef TINTORA_DATA_DIR_FROM_BIN
#define TINTORA_DATA_DIR_FROM_BIN ""
#endif

namespace {

// The marker lives in the user's runtime folder and is named after the executable's file name.
QString InstanceMarkerName(const tintora::TProgramFolders& folders) {
    const QString exeName = QFileInfo(QString::fromStdString(folders.ExecutablePath)).fileName();
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return QDir(dir).filePath((exeName.isEmpty() ? QStringLiteral("tintora") : exeName) +
                              QStringLiteral(".instance"));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    }
    return icon;
}

void BringToFront(QWidget* window) {
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("tintora");
    QApplication::setApplicationDisplayName(tintora::kApplicationTitle);
    QApplication::setDesktopFileName(QStringLiteral("org.tintora.Tintora"));
    QApplication::setWindowIcon(ProgramIcon());
    tintora::UseProgramLook();
    tintora::InstallQtTranslations(&app);

    const tintora::TProgramFolders folders = tintora::CurrentProgramFolders(
        {TINTORA_BIN_DIR, TINTORA_DATA_DIR, TINTORA_DATA_DIR_FROM_BIN});
    tintora::TInstanceMarker marker(InstanceMarkerName(folders));
    if (marker.FindOrPlace() == tintora::TInstanceMarker::TResult::imFailed) {
        QMessageBox box(QMessageBox::Critical, QString(), "Atomを登録できません。");
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
        return 1;
    }

    tintora::TQtClipboardText clipboard;
    tintora::TQtUserPrompts prompts(tintora::kApplicationTitle);
    tintora::TQtFileChooser chooser;
    tintora::TSteadyClock clock;
    tintora::TForm1 form(tintora::ResolveProgramFiles(folders),
                         tintora::TFormServices{clipboard, prompts, chooser, clock});
    prompts.SetOwner(&form);
    chooser.SetOwner(&form);
    QObject::connect(&marker, &tintora::TInstanceMarker::RaiseRequested, &form,
                     [&form] { BringToFront(&form); });
    tintora::TSignalCloser closer(&form);
    form.show();
    const int result = QApplication::exec();
    marker.Remove();
    return result;
}
