#include "platform/QtFileChooser.h"

#include "platform/ScreenImage.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tintora {

namespace {

// The area a preview picture is shown in; larger pictures are scaled down into it.
constexpr int kPreviewSide = 160;

// A column beside the dialog's list and fields: the preview's caption over its picture, renewed
// whenever the selected file changes.
void AddPreview(QFileDialog& dialog, const std::function<TFilePreview(const std::string&)>& make) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr) {
        return;
    }
    auto* column = new QWidget(&dialog);
    auto* caption = new QLabel(column);
    auto* picture = new QLabel(column);
    picture->setFixedSize(kPreviewSide, kPreviewSide);
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(8, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(picture);
    layout->addStretch();
    grid->addWidget(column, 0, grid->columnCount(), grid->rowCount(), 1);

    const auto show = [caption, picture, make](const QString& path) {
        TFilePreview preview = make(path.toStdString());
        caption->setText(QString::fromStdString(preview.Caption));
        const QImage image = ScreenImage(std::move(preview.Picture));
        if (image.isNull()) {
            picture->clear();
            return;
        }
        // Small tiles are enlarged with their pixels kept sharp, large pictures smoothed down.
        const bool small = image.width() <= kPreviewSide && image.height() <= kPreviewSide;
        picture->setPixmap(QPixmap::fromImage(
            image.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                         small ? Qt::FastTransformation : Qt::SmoothTransformation)));
    };
    QObject::connect(&dialog, &QFileDialog::currentChanged, column, show);
    const QStringList selected = dialog.selectedFiles();
    show(selected.isEmpty() ? QString() : selected.first());
}

std::optional<std::string> ChooseWithPreview(QWidget* owner, const TOpenFileRequest& request) {
    QFileDialog dialog(owner, QString::fromStdString(request.Title),
                       QString::fromStdString(request.InitialFile), QtFileFilter(request.Filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontUseNativeDialog);
    // The all-formats entry lists every pattern; the dialog grows to show it whole.
    if (auto* types = dialog.findChild<QComboBox*>("fileTypeCombo")) {
        types->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    AddPreview(dialog, request.Preview);
    dialog.resize(dialog.sizeHint().expandedTo(dialog.size()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

} // namespace

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        // "*.*" means every file, also one without a dot (most programs here have none); Qt
        // would take the dot literally.
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i],
                                                 patterns.isEmpty() ? "*" : patterns.join(' '));
    }
    return entries.join(";;");
}

std::optional<std::string> TQtFileChooser::ChooseFileToOpen(const TOpenFileRequest& request) {
    if (request.Preview) {
        return ChooseWithPreview(Owner(), request);
    }
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
