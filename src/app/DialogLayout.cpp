#include "app/DialogLayout.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tintora {

void LayOutChoiceDialog(QDialog* dialog, QLayout* choices, QLabel* label, QWidget* result,
                        QPushButton* ok, QPushButton* cancel) {
    ok->setDefault(true);
    for (QPushButton* button : {ok, cancel}) {
        button->setFixedSize(75, 25);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* main = new QVBoxLayout(dialog);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(4);
    main->addLayout(choices);
    main->addSpacing(6);
    main->addWidget(label);
    main->addWidget(result);
    main->addSpacing(6);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->activate();
}

void ShowOnDialogColour(QWidget* text, const QWidget* dialog) {
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, dialog->palette().color(QPalette::Window));
    text->setPalette(colours);
}

} // namespace tintora
