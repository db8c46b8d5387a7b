#include "app/CharCaseCheck.h"

#include "app/FormCharCase.h"

namespace tintora {

namespace {

constexpr TCharCases AllModes(TCharCaseMode mode) {
    return {mode, mode, mode};
}

} // namespace

Qt::CheckState CharCasesCheckState(const TCharCases& cases) {
    if (cases == AllModes(TCharCaseMode::ccUpper)) {
        return Qt::Checked;
    }
    if (cases == AllModes(TCharCaseMode::ccLower)) {
        return Qt::Unchecked;
    }
    return Qt::PartiallyChecked;
}

TCharCases CharCasesForCheckState(Qt::CheckState state, const TCharCases& working) {
    switch (state) {
    case Qt::Unchecked:
        return AllModes(TCharCaseMode::ccLower);
    case Qt::Checked:
        return AllModes(TCharCaseMode::ccUpper);
    case Qt::PartiallyChecked:
        break;
    }
    return working;
}

TCaseCheckBox::TCaseCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    setTristate(true);
}

void TCaseCheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool RunCharCaseDialog(QWidget* parent, Qt::CheckState state, TCharCases& working, bool showHints,
                       QPoint origin, const TModalRun& run) {
    TFormCharCase dialog(parent);
    dialog.SetPlaceAt(origin);
    // The working copy is written only on OK: a cancelled dialog must not cost the Options dialog
    // the mixture it keeps for its partially checked state.
    dialog.SetCases(CharCasesForCheckState(state, working));
    dialog.SetShowHint(showHints);
    if (run(dialog) != QDialog::Accepted) {
        return false;
    }
    working = dialog.Cases();
    return true;
}

} // namespace tintora
