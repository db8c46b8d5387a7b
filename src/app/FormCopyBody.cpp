#include "app/FormCopyBody.h"

#include "app/DialogLayout.h"
#include "app/ProgramInfo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintora {

namespace {

// Wide enough for a tag with all five colours on two lines; a long picture name wraps further.
constexpr int kMemoWidth = 340;
constexpr int kMemoLines = 5;

} // namespace

TFormCopyBody::TFormCopyBody(const TBodyTagInput& base, std::uint8_t defBodyAttrib, TCopyText copy,
                             QWidget* parent)
    : TModalDialog(parent), base_(base), copy_(std::move(copy)) {
    BuildControls();
    FormCreate(defBodyAttrib);
}

TFormCopyBody::~TFormCopyBody() = default;

void TFormCopyBody::BuildControls() {
    setWindowTitle("BODYタグのコピー - " + kApplicationTitle);

    grpAttribs = new QGroupBox("タグに含める属性", this);
    grpAttribs->setToolTip("チェックを外すと、不要な項目をBODYタグから除くことができます。");
    cbUseBgc = new QCheckBox("&bgcolor", grpAttribs);
    cbUseBg = new QCheckBox("back&ground", grpAttribs);
    cbUseText = new QCheckBox("&text", grpAttribs);
    cbUseLink = new QCheckBox("&link", grpAttribs);
    cbUseVlink = new QCheckBox("&vlink", grpAttribs);
    cbUseAlink = new QCheckBox("&alink", grpAttribs);
    // The page's own attributes on the first row, the three link colours on the second; reading
    // order is the tab order.
    auto* boxes = new QGridLayout(grpAttribs);
    boxes->setContentsMargins(10, 6, 10, 8);
    boxes->setHorizontalSpacing(16);
    boxes->setVerticalSpacing(4);
    QCheckBox* const order[] = {cbUseBgc, cbUseBg, cbUseText, cbUseLink, cbUseVlink, cbUseAlink};
    for (int i = 0; i < 6; ++i) {
        boxes->addWidget(order[i], i / 3, i % 3);
        connect(order[i], &QCheckBox::clicked, this, [this] { cbUseAtrClick(); });
        if (i > 0) {
            setTabOrder(order[i - 1], order[i]);
        }
    }

    Label1 = new QLabel("コピーされる文字列(&S):", this);
    memoBodyTag = new QPlainTextEdit(this);
    memoBodyTag->setReadOnly(true);
    memoBodyTag->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoBodyTag->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ShowOnDialogColour(memoBodyTag, this);
    const int lineHeight = memoBodyTag->fontMetrics().lineSpacing();
    memoBodyTag->setFixedSize(kMemoWidth, kMemoLines * lineHeight + 12);
    Label1->setBuddy(memoBodyTag);

    btnOk = new QPushButton("コピー", this);
    btnCancel = new QPushButton("キャンセル", this);
    connect(btnOk, &QPushButton::clicked, this, [this] {
        btnOkClick();
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(cbUseAlink, memoBodyTag);
    setTabOrder(memoBodyTag, btnOk);
    setTabOrder(btnOk, btnCancel);

    auto* choices = new QVBoxLayout;
    choices->addWidget(grpAttribs);
    LayOutChoiceDialog(this, choices, Label1, memoBodyTag, btnOk, btnCancel);
}

void TFormCopyBody::FormCreate(std::uint8_t defBodyAttrib) {
    const TBodyCopyChoice choice = DefaultBodyCopyChoice(defBodyAttrib, base_.BgImageFile);
    cbUseBgc->setChecked((choice.Attribs & baBgcolor) != 0);
    cbUseText->setChecked((choice.Attribs & baText) != 0);
    cbUseLink->setChecked((choice.Attribs & baLink) != 0);
    cbUseVlink->setChecked((choice.Attribs & baVlink) != 0);
    cbUseAlink->setChecked((choice.Attribs & baAlink) != 0);
    cbUseBg->setChecked(choice.UseBackground);
}

TBodyCopyChoice TFormCopyBody::Choice() const {
    std::uint8_t attribs = 0;
    const std::pair<const QCheckBox*, TBodyAttribBits> bits[] = {
        {cbUseBgc, baBgcolor}, {cbUseText, baText},   {cbUseLink, baLink},
        {cbUseVlink, baVlink}, {cbUseAlink, baAlink},
    };
    for (const auto& [box, bit] : bits) {
        if (box->isChecked()) {
            attribs = static_cast<std::uint8_t>(attribs | bit);
        }
    }
    return TBodyCopyChoice{attribs, cbUseBg->isChecked()};
}

std::string TFormCopyBody::MakeBodyTag() const {
    TBodyTagInput input = base_;
    input.Choice = Choice();
    return tintora::MakeBodyTag(input);
}

void TFormCopyBody::cbUseAtrClick() {
    memoBodyTag->setPlainText(QString::fromStdString(MakeBodyTag()));
}

void TFormCopyBody::btnOkClick() {
    if (copy_) {
        copy_(MakeBodyTag());
    }
}

void TFormCopyBody::FormShow() {
    cbUseAtrClick();
}

void CopyBodyTag(QWidget* parent, const TBodyTagInput& base, std::uint8_t defBodyAttrib, bool noAsk,
                 bool showHints, QPoint placeAt, const TCopyText& copy, const TModalRun& run) {
    TFormCopyBody dialog(base, defBodyAttrib, copy, parent);
    if (noAsk) {
        dialog.btnOkClick();
        return;
    }
    dialog.SetPlaceAt(placeAt);
    dialog.SetShowHint(showHints);
    run(dialog);
}

} // namespace tintora
