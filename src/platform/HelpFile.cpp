#include "platform/HelpFile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tintora {

namespace {

QUrl HelpDocumentUrl(const QString& documentPath, const QString& section) {
    QUrl url = QUrl::fromLocalFile(documentPath);
    if (!section.isEmpty()) {
        url.setFragment(section);
    }
    return url;
}

} // namespace

QString HelpDocumentName(const QString& helpFile) {
    const QString name = QFileInfo(helpFile).fileName();
    const qsizetype dot = name.lastIndexOf(QChar('.'));
    return (dot < 0 ? name : name.left(dot)) + QStringLiteral("-help.html");
}

QString FindHelpDocument(const QString& helpFile, const QStringList& folders) {
    const QString document = HelpDocumentName(helpFile);
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        const QFileInfo candidate(QDir(folder).filePath(document));
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return QString();
}

void ShowHelpContents(const QString& helpFile, const QString& installedDataDir) {
    ShowHelpSection(helpFile, installedDataDir, QString());
}

void ShowHelpSection(const QString& helpFile, const QString& installedDataDir,
                     const QString& section) {
    const QString path =
        FindHelpDocument(helpFile, {QCoreApplication::applicationDirPath(), installedDataDir});
    if (path.isEmpty()) {
        throw EHelpFile(QStringLiteral("ヘルプファイル %1 が見つかりません。")
                            .arg(HelpDocumentName(helpFile))
                            .toStdString());
    }
    if (!QDesktopServices::openUrl(HelpDocumentUrl(path, section))) {
        throw EHelpFile(QStringLiteral("ヘルプファイル %1 を開けません。").arg(path).toStdString());
    }
}

} // namespace tintora
