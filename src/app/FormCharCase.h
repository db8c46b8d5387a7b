#pragma once

// The character case dialog: the letter case of element names, attribute names and colour values,
// each chosen in its own radio group, with an example line of the text that would be copied. The
// Options dialog opens it for one edit of its working copy of the three modes (CharCaseCheck.h).

#include "app/ModalDialog.h"
#include "html/CharCase.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tintora {

class TFormCharCase : public TModalDialog {
    Q_OBJECT
public:
    explicit TFormCharCase(QWidget* parent = nullptr);
    ~TFormCharCase() override;

    // Selects the three modes in their groups. A mode outside 0..2 (a settings file may hold any
    // byte) leaves its group with nothing selected.
    void SetCases(const TCharCases& cases);
    // The modes selected now. A group with nothing selected gives back the mode SetCases gave it,
    // so an unknown stored mode survives OK untouched rather than turning into some default.
    TCharCases Cases() const;

    // The example line as it is shown.
    QString SampleText() const;

    // Rebuilds the example line from the selected modes; runs after every click in any group.
    void rgCcElementClick();

    QGroupBox* rgCcElement = nullptr;
    QGroupBox* rgCcAttrib = nullptr;
    QGroupBox* rgCcValue = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditCcSample = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // The radio buttons of a group; the id of each button is its TCharCaseMode value (0..2).
    QButtonGroup* Items(TCaseKind kind) const;

protected:
    void FormShow() override;

private:
    QGroupBox* MakeGroup(TCaseKind kind, const QString& caption);

    QButtonGroup* items_[3] = {};
    TCharCases given_;
};

} // namespace tintora
