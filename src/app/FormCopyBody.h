#pragma once

// The BODY tag copy dialog: the user unticks the attributes the tag should leave out, sees the
// tag, and copies it. The colours, the background picture and the letter cases come from the
// opener; the dialog owns only the choice of attributes.

#include "app/ModalDialog.h"
#include "app/ModalRun.h"
#include "html/BodyTag.h"

#include <cstdint>
#include <functional>
#include <string>

#include <QPoint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tintora {

// Receives the tag text (UTF-8) to place on the clipboard: the main window's CopyToClipboard.
using TCopyText = std::function<void(const std::string&)>;

class TFormCopyBody : public TModalDialog {
    Q_OBJECT
public:
    // FormCreate runs here: the colour boxes follow the DefBodyAttrib bits (1 bgcolor, 2 text,
    // 4 link, 8 vlink, 16 alink; other bits are ignored), the background box is ticked exactly
    // when base.BgImageFile is not empty. base.Choice is not used.
    TFormCopyBody(const TBodyTagInput& base, std::uint8_t defBodyAttrib, TCopyText copy,
                  QWidget* parent = nullptr);
    ~TFormCopyBody() override;

    // The ticked boxes.
    TBodyCopyChoice Choice() const;
    // The tag for the ticked boxes.
    std::string MakeBodyTag() const;

    void cbUseAtrClick();
    // Hands the tag to the copy callback; the OK button then closes the dialog.
    void btnOkClick();

    QGroupBox* grpAttribs = nullptr;
    QCheckBox* cbUseBgc = nullptr;
    QCheckBox* cbUseBg = nullptr;
    QCheckBox* cbUseText = nullptr;
    QCheckBox* cbUseLink = nullptr;
    QCheckBox* cbUseVlink = nullptr;
    QCheckBox* cbUseAlink = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* memoBodyTag = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void FormShow() override;

private:
    void BuildControls();
    void FormCreate(std::uint8_t defBodyAttrib);

    TBodyTagInput base_;
    TCopyText copy_;
};

// The BODY copy command. With noAsk the tag for the default choice (DefBodyAttrib and whether a
// background is set) is copied at once and no dialog is shown; otherwise the dialog runs modally
// at placeAt (the main window's left and top plus the tag pages' offset in it) and copies only
// when closed with its copy button. The dialog is released on every path.
void CopyBodyTag(QWidget* parent, const TBodyTagInput& base, std::uint8_t defBodyAttrib, bool noAsk,
                 bool showHints, QPoint placeAt, const TCopyText& copy,
                 const TModalRun& run = ExecModal);

} // namespace tintora
