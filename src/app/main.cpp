// The program's start block: the instance marker, the application object, the main window and the
// message loop.

#include "app/Form1.h"
#include "app/ProgramServices.h"
#include "files/UserFolder.h"
#include "platform/InstanceMarker.h"
#include "platform/ProgramLook.h"
#include "platform/QtTranslations.h"
#include "platform/SignalCloser.h"

#include <functional>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

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

// The window's icon from raw pixels: no picture decoder is loaded for it.
QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QFile raw(QStringLiteral(":/icons/%1.rgba").arg(size));
        const QByteArray pixels = raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
        if (pixels.size() == size * size * 4) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                               QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

// Runs `then` once the window has painted itself the first time: what the first picture does not
// need waits until it is on the screen.
void AfterFirstPaint(QWidget* window, std::function<void()> then) {
    class TFirstPaint : public QObject {
    public:
        TFirstPaint(QWidget* window, std::function<void()> then)
            : QObject(window), then_(std::move(then)) {
            window->installEventFilter(this);
        }
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    then_();
                    deleteLater();
                });
            }
            return false;
        }

    private:
        std::function<void()> then_;
    };
    new TFirstPaint(window, std::move(then));
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

    const tintora::TProgramFiles files = tintora::ResolveProgramFiles(folders);
    const std::string previewFolder = tintora::FolderOf(files.PreviewFile);
    if (previewFolder != tintora::FolderOf(folders.ExecutablePath)) {
        // The preview page then lives in the user's cache folder, which may not exist yet.
        tintora::CreateUserFolder(previewFolder);
    }
    tintora::TProgramServices services(tintora::BrowserProfileDir(folders));
    tintora::TForm1 form(files, services.FormServices());
    services.SetOwner(&form);
    QObject::connect(&marker, &tintora::TInstanceMarker::RaiseRequested, &form,
                     [&form] { BringToFront(&form); });
    AfterFirstPaint(&form, [] {
        QApplication::setWindowIcon(ProgramIcon());
        // What building the window used for a while goes back to the system.
        malloc_trim(0);
    });
    tintora::TSignalCloser closer(&form);
    form.show();
    const int result = QApplication::exec();
    marker.Remove();
    return result;
}
