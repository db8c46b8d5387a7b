#include "app/PageControls.h"

#include "app/Placement.h"
#include "widgets/HsxPanel.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace tintora {

THsxPanel* MakeSwatch(QWidget* page, const QString& caption, const QString& hint, TColor color,
                      int left, int top) {
    auto* panel = Place(new THsxPanel(page), left, top, 49, 49);
    panel->SetCaption(caption);
    panel->setToolTip(hint);
    panel->SetColor(color);
    panel->SetGroupIndex(1);
    return panel;
}

QToolButton* MakeToggle(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height) {
    auto* button = Place(new QToolButton(page), left, top, width, height);
    button->setText(caption);
    button->setToolTip(hint);
    button->setCheckable(true);
    return button;
}

QPushButton* MakeButton(QWidget* page, const QString& caption, const QString& hint, int left,
                        int top, int width, int height) {
    auto* button = Place(new QPushButton(caption, page), left, top, width, height);
    button->setToolTip(hint);
    return button;
}

QComboBox* MakeTemplateCombo(QWidget* page, const QString& hint, int left, int top, int width) {
    auto* combo = Place(new QComboBox(page), left, top, width, 20);
    combo->setToolTip(hint);
    combo->setMaxVisibleItems(12);
    return combo;
}

void FitUpDown(TUpDown* u, QLineEdit* e) {
    u->setGeometry(e->x() + e->width() - u->width() - 2, e->y() + 2, u->width(), e->height() - 4);
    u->raise();
}

} // namespace tintora
