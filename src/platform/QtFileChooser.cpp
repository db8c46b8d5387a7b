#include "platform/QtFileChooser.h"

#include <QFileDialog>

namespace tintora {

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.isEmpty() ? "*" : patterns);
    }
    return entries.join(";;");
}

std::optional<std::string> TQtFileChooser::ChooseFileToOpen(const TOpenFileRequest& request) {
    const QString chosen = QFileDialog::getOpenFileName(
        Owner(), QString::fromStdString(request.Title), QString::fromStdString(request.InitialFile),
        QtFileFilter(request.Filter), nullptr, QFileDialog::HideNameFilterDetails);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

std::optional<std::string> TQtFileChooser::ChooseFolder(const TFolderRequest& request) {
    const QString chosen =
        QFileDialog::getExistingDirectory(Owner(), QString::fromStdString(request.Title),
                                          QString::fromStdString(request.InitialFolder));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

} // namespace tintora
