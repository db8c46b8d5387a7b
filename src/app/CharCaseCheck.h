#pragma once

// The Options dialog shows the three case modes as one three-state check box: checked for all
// upper case, unchecked for all lower case, partially checked for any mixture. Its "mixed
// settings" button opens the character case dialog on the Options dialog's working copy; both
// pieces live here so the main window and tests can use them without the Options dialog.

#include "app/ModalRun.h"
#include "html/CharCase.h"

#include <QCheckBox>
#include <QPoint>

class QWidget;

namespace tintora {

// Qt::Checked when all three modes are ccUpper, Qt::Unchecked when all three are ccLower,
// Qt::PartiallyChecked otherwise (an unknown stored mode counts as a mixture).
Qt::CheckState CharCasesCheckState(const TCharCases& cases);

// The modes the dialog opens with for a check box state: three ccLower for unchecked, three
// ccUpper for checked, the working copy itself for partially checked.
TCharCases CharCasesForCheckState(Qt::CheckState state, const TCharCases& working);

// The summary box itself. Only the program puts it into the partially checked state: a click of
// the user turns a partially checked or unchecked box into a checked one, and a checked box into
// an unchecked one.
class TCaseCheckBox : public QCheckBox {
public:
    explicit TCaseCheckBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void nextCheckState() override;
};

// The button's action: opens the character case dialog at `origin` (screen coordinates, pulled in
// from the right screen edge) with the modes CharCasesForCheckState gives, tooltips as
// `showHints` says. OK copies the dialog's modes into `working` and returns true; the caller sets
// its check box again from CharCasesCheckState(working). Cancel leaves `working` exactly as it
// was and returns false. The dialog is released before the function returns.
bool RunCharCaseDialog(QWidget* parent, Qt::CheckState state, TCharCases& working, bool showHints,
                       QPoint origin, const TModalRun& run = ExecModal);

} // namespace tintora
