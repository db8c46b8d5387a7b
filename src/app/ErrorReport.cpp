#include "app/ErrorReport.h"

#include <QMessageBox>

namespace tintora {

void ShowErrorMessage(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tintora
