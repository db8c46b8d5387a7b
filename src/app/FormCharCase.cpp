#include "app/FormCharCase.h"

#include "app/DialogLayout.h"
#include "app/ProgramInfo.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tintora {

namespace {

int KindIndex(TCaseKind kind) {
    return static_cast<int>(kind);
}

} // namespace

TFormCharCase::TFormCharCase(QWidget* parent) : TModalDialog(parent) {
    setWindowTitle("大文字・小文字の設定 - " + kApplicationTitle);

    rgCcElement = MakeGroup(TCaseKind::ckElement, "要素名 - font, body (&E)");
    rgCcAttrib = MakeGroup(TCaseKind::ckAttribute, "属性名 - color, size (&A)");
    rgCcValue = MakeGroup(TCaseKind::ckValue, "属性値 - 色 (&V)");

    Label1 = new QLabel("コピーされる文字列の例 :", this);
    EditCcSample = new QLineEdit(this);
    EditCcSample->setReadOnly(true);
    EditCcSample->setFrame(false);
    ShowOnDialogColour(EditCcSample, this);

    btnOk = new QPushButton("OK", this);
    btnCancel = new QPushButton("キャンセル", this);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Three columns of one width, the widest group's, whatever the font makes of the captions.
    auto* groups = new QHBoxLayout;
    groups->setSpacing(8);
    int groupWidth = 0;
    for (QGroupBox* group : {rgCcElement, rgCcAttrib, rgCcValue}) {
        groupWidth = std::max(groupWidth, group->sizeHint().width());
        groups->addWidget(group);
    }
    for (QGroupBox* group : {rgCcElement, rgCcAttrib, rgCcValue}) {
        group->setFixedWidth(groupWidth);
    }
    LayOutChoiceDialog(this, groups, Label1, EditCcSample, btnOk, btnCancel);

    rgCcElementClick();
}

TFormCharCase::~TFormCharCase() = default;

QGroupBox* TFormCharCase::MakeGroup(TCaseKind kind, const QString& caption) {
    auto* group = new QGroupBox(caption, this);
    auto* items = new QButtonGroup(group);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
    const TCharCaseMode modes[] = {TCharCaseMode::ccLower, TCharCaseMode::ccUpper,
                                   TCharCaseMode::ccInitialUpper};
    const char* texts[] = {"小文字", "大文字", "頭文字だけ大文字"};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(texts[i], group);
        items->addButton(item, static_cast<int>(modes[i]));
        column->addWidget(item);
    }
    // Toggling covers mouse clicks, the arrow keys and the group's accelerator alike.
    connect(items, &QButtonGroup::idToggled, this, [this] { rgCcElementClick(); });
    items_[KindIndex(kind)] = items;
    return group;
}

QButtonGroup* TFormCharCase::Items(TCaseKind kind) const {
    const int index = KindIndex(kind);
    return index >= 0 && index < 3 ? items_[index] : nullptr;
}

void TFormCharCase::SetCases(const TCharCases& cases) {
    given_ = cases;
    for (TCaseKind kind : {TCaseKind::ckElement, TCaseKind::ckAttribute, TCaseKind::ckValue}) {
        QButtonGroup* items = Items(kind);
        QAbstractButton* item = items->button(static_cast<int>(cases[kind]));
        if (item) {
            item->setChecked(true);
            continue;
        }
        // An exclusive group refuses to uncheck its checked button.
        items->setExclusive(false);
        for (QAbstractButton* other : items->buttons()) {
            other->setChecked(false);
        }
        items->setExclusive(true);
    }
    rgCcElementClick();
}

TCharCases TFormCharCase::Cases() const {
    TCharCases cases = given_;
    for (TCaseKind kind : {TCaseKind::ckElement, TCaseKind::ckAttribute, TCaseKind::ckValue}) {
        const int id = Items(kind)->checkedId();
        if (id >= 0) {
            cases[kind] = static_cast<TCharCaseMode>(id);
        }
    }
    return cases;
}

QString TFormCharCase::SampleText() const {
    return EditCcSample->text();
}

void TFormCharCase::rgCcElementClick() {
    EditCcSample->setText(QString::fromStdString(CharCaseSampleText(Cases())));
}

void TFormCharCase::FormShow() {
    rgCcElementClick();
}

} // namespace tintora
