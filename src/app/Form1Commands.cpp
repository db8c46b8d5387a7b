// The commands that act on the selected colour as a whole, the copy formats, the tag menu's
// colour commands, stay-on-top, help, and the one clipboard writer.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "color/ColorText.h"
#include "platform/CopySound.h"
#include "platform/HelpFile.h"
#include "widgets/ColorPanel.h"
#include "widgets/GrdBarSet.h"
#include "widgets/HsxPanel.h"
#include "widgets/QtColor.h"

#include <array>

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

namespace {

// The ten copy formats in menu order; "-" is the separator between the table formats and the
// BODY attribute formats.
constexpr std::array<const char*, 10> kCopyFormats = {"COLOR=\"#%s\"",
                                                      "BGCOLOR=\"#%s\"",
                                                      "BORDERCOLOR=\"#%s\"",
                                                      "BORDERCOLORDARK=\"#%s\"",
                                                      "BORDERCOLORLIGHT=\"#%s\"",
                                                      "-",
                                                      "TEXT=\"#%s\"",
                                                      "LINK=\"#%s\"",
                                                      "ALINK=\"#%s\"",
                                                      "VLINK=\"#%s\""};

constexpr int kCaptionLimit = 32;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// A menu caption shows every "&" as typed instead of taking it as the accelerator mark.
QString EscapeMenuText(QString text) {
    return text.replace('&', "&&");
}

} // namespace

void TForm1::CopyToClipboard(const std::string& text) {
    services_.Clipboard.SetText(text);
    if (settings_.PlayCopySound) {
        if (!copySound_) {
            copySound_ = std::make_unique<TCopySound>();
        }
        copySound_->Play(settings_.CopySound);
    }
}

std::string TForm1::FormatCopyText(const std::string& format) const {
    std::string text = ApplyCharCase(TCaseKind::ckAttribute, format, CharCases());
    const auto hex = ColorToHexText(SelectedColor(), CharCases().Value);
    ReplaceAll(text, "%s", hex.View());
    ReplaceAll(text, "%S", hex.View());
    return text;
}

void TForm1::BuildCopyFormatMenus() {
    pmCopyFmt = new QMenu(this);
    pmCopyFmt->setToolTipsVisible(true);
    for (std::size_t i = 0; i < kCopyFormats.size(); ++i) {
        const QString format = kCopyFormats[i];
        if (format == "-") {
            pmCopyFmt->addSeparator();
            mcCopyFmt->addSeparator();
            continue;
        }
        const int entry = static_cast<int>(i);
        QAction* popup = pmCopyFmt->addAction(format);
        popup->setToolTip(format);
        connect(popup, &QAction::triggered, this, [this, entry] { mcCopyFmtClick(entry); });
        QAction* sub = mcCopyFmt->addAction(format);
        connect(sub, &QAction::triggered, this, [this, entry] { mcCopyFmtClick(entry); });
    }
    connect(pmCopyFmt, &QMenu::aboutToShow, this, [this] { pmCopyFmtPopup(pmCopyFmt); });
}

void TForm1::pmCopyFmtPopup(QMenu* menu) {
    const QList<QAction*> entries = menu->actions();
    for (int i = 0; i < entries.size() && i < static_cast<int>(kCopyFormats.size()); ++i) {
        if (entries[i]->isSeparator()) {
            continue;
        }
        QString caption =
            QString::fromStdString(FormatCopyText(kCopyFormats[static_cast<std::size_t>(i)]));
        if (caption.size() > kCaptionLimit) {
            caption = caption.left(kCaptionLimit) + "...";
        }
        entries[i]->setText(EscapeMenuText(caption));
    }
}

void TForm1::mcCopyFmtClick(int entry) {
    CopyToClipboard(FormatCopyText(kCopyFormats[static_cast<std::size_t>(entry)]));
}

void TForm1::btnCopyFmtClick() {
    pmCopyFmt->popup(btnCopy->mapToGlobal(QPoint(0, btnCopy->height())));
}

void TForm1::btnCopyMouseUp(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        btnCopyFmtClick();
    }
}

void TForm1::miCopyClick() {
    std::string text = settings_.AddSharp ? "#" : "";
    text.append(ColorToHexText(SelectedColor(), CharCases().Value).View());
    CopyToClipboard(text);
}

void TForm1::miBrowseClick() {
    const QColor chosen = QColorDialog::getColor(ToQColor(SelectedColor()), this);
    if (chosen.isValid()) {
        ChangeColor(FromQColor(chosen));
    }
}

void TForm1::FitWebColor() {
    const TColor c = SelectedColor();
    ChangeColor(MakeColor(WebLevel(RedOf(c)), WebLevel(GreenOf(c)), WebLevel(BlueOf(c))));
}

void TForm1::miNegaClick() {
    ChangeColor(NegativeColor(SelectedColor()));
}

void TForm1::miRandomClick() {
    ChangeColor(random_.Next());
}

void TForm1::miSwapClick() {
    THsxPanel* const pnlStart = font_->pnlStart;
    THsxPanel* const pnlEnd = font_->pnlEnd;
    const TColor start = pnlStart->Color();
    pnlStart->SetColor(pnlEnd->Color());
    pnlEnd->SetColor(start);
    THsxPanel* pressed = SelectedFontPanel();
    if (pressed == pnlStart || pressed == pnlEnd) {
        ChangeColor(pressed->Color());
    } else {
        RefreshTagSamples();
    }
}

void TForm1::UnifyPanel(THsxPanel* swatch, int tag, THsxPanel* pressed) {
    if (swatch == pressed) {
        return; // it holds the selected colour already
    }
    FineEsl f = ColorToFineEsl(swatch->Color());
    const FineEsl selected = colors_.BarEsl();
    if (tag == 501) {
        f.hue = selected.hue;
    } else if (tag == 502) {
        f.sat = selected.sat;
    } else {
        f.lum = selected.lum;
    }
    swatch->SetColor(FineEslToColor(f));
}

void TForm1::miUnifyClick(int tag) {
    if (IsFontPageShown()) {
        THsxPanel* pressed = SelectedFontPanel();
        for (THsxPanel* swatch : {font_->pnlStart, font_->pnlMid, font_->pnlEnd}) {
            UnifyPanel(swatch, tag, pressed);
        }
    } else {
        THsxPanel* pressed = SelectedBodyPanel();
        for (THsxPanel* swatch :
             {body_->pnlText, body_->pnlLink, body_->pnlVlink, body_->pnlAlink}) {
            UnifyPanel(swatch, tag, pressed);
        }
    }
    RefreshTagSamples();
}

void TForm1::SetStayOnTop(bool on) {
    if (on != miStayOnTop->isChecked()) {
        miStayOnTopClick();
    }
}

void TForm1::miStayOnTopClick() {
    const TColor remembered = SelectedColor();
    QComboBox* const ComboFontSize = font_->ComboFontSize;
    const int sizeItem = ComboFontSize->currentIndex();
    miStayOnTop->setChecked(!miStayOnTop->isChecked());
    settings_.StayOnTop = miStayOnTop->isChecked() ? 3 : 0;
    // Changing the window's style makes a new native window, which is hidden until shown again.
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, miStayOnTop->isChecked());
    if (wasVisible) {
        show();
    }
    ComboFontSize->setCurrentIndex(sizeItem);
    comboFontSizeChange();
    ChangeColor(remembered);
}

void TForm1::mcTagClick() {
    miClearBgImage->setEnabled(!bgImageFile_.empty());
    miDynPreview->setChecked(settings_.DynamicPreview);
    const bool font = IsFontPageShown();
    miCopyFont->setVisible(font);
    miCopyFont->setEnabled(font);
    // The CSS forms of the FONT page's text are offered from either page, so a page's colours
    // can be checked against the text without switching pages.
    for (QAction* cssCopy : {miCopySpan, miCopyCssGradient}) {
        cssCopy->setVisible(true);
        cssCopy->setEnabled(true);
    }
    miCopyBody->setVisible(!font);
    miCopyBody->setEnabled(!font);
    msFontTag1->setVisible(font);
    miSwap->setVisible(font);
    const TGrdType type = GetGrdType();
    miSwap->setEnabled(
        font && (type == TGrdType::gtTwo || type == TGrdType::gtThree || type == TGrdType::gtWave));
    miPreviewNew->setVisible(!font);
    miPreviewNew->setEnabled(!font && !body_->EditPreview->text().isEmpty());
    miDelTemplate->setEnabled(
        (font ? font_->comboFontTemplate : body_->comboBodyTemplate)->currentIndex() >= 0);
}

void TForm1::miReadmeClick() {
    ShowHelpContents(kHelpFileName, QString::fromStdString(files_.InstalledDataDir));
}

void TForm1::ConnectCommands() {
    connect(miCopy, &QAction::triggered, this, [this] { miCopyClick(); });
    connect(btnCopy, &QPushButton::clicked, this, [this] { miCopyClick(); });
    connect(btnCopyFmt, &QToolButton::clicked, this, [this] { btnCopyFmtClick(); });
    connect(miBrowse, &QAction::triggered, this, [this] { miBrowseClick(); });
    connect(miFitWebColor, &QAction::triggered, this, [this] { FitWebColor(); });
    connect(ColorPanel, &TPaintPanel::DoubleClick, this, [this] { FitWebColor(); });
    connect(miNega, &QAction::triggered, this, [this] { miNegaClick(); });
    connect(miRandom, &QAction::triggered, this, [this] { miRandomClick(); });
    connect(miCopyFont, &QAction::triggered, this, [this] { miCopyFontClick(); });
    connect(font_->SpeedButton1, &QPushButton::clicked, this, [this] { miCopyFontClick(); });
    connect(miCopySpan, &QAction::triggered, this, [this] { miCopySpanClick(); });
    connect(miCopyCssGradient, &QAction::triggered, this, [this] { miCopyCssGradientClick(); });
    connect(miCheckContrast, &QAction::triggered, this, [this] { miCheckContrastClick(); });
    connect(miCopyBody, &QAction::triggered, this, [this] { btnCopyBodyClick(); });
    connect(body_->btnCopyBody, &QPushButton::clicked, this, [this] { btnCopyBodyClick(); });
    connect(miSwap, &QAction::triggered, this, [this] { miSwapClick(); });
    connect(miUnifyEqu, &QAction::triggered, this, [this] { miUnifyClick(501); });
    connect(miUnifySat, &QAction::triggered, this, [this] { miUnifyClick(502); });
    connect(miUnifyLum, &QAction::triggered, this, [this] { miUnifyClick(503); });
    const auto guarded = [this](auto handler) {
        return [this, handler] {
            Guarded(services_.Prompts, [this, handler] { (this->*handler)(); });
        };
    };
    connect(miLoadBgImage, &QAction::triggered, this, guarded(&TForm1::miLoadBgImageClick));
    connect(body_->btnLoadBgImage, &QPushButton::clicked, this,
            guarded(&TForm1::miLoadBgImageClick));
    connect(miClearBgImage, &QAction::triggered, this, guarded(&TForm1::miClearBgImageClick));
    connect(body_->btnClearBgImage, &QPushButton::clicked, this,
            guarded(&TForm1::miClearBgImageClick));
    connect(miSaveTemplate, &QAction::triggered, this, guarded(&TForm1::miSaveTemplateClick));
    connect(miDelTemplate, &QAction::triggered, this, guarded(&TForm1::miDelTemplateClick));
    connect(font_->comboFontTemplate, &QComboBox::activated, this,
            guarded(&TForm1::comboFontTemplateChange));
    connect(body_->comboBodyTemplate, &QComboBox::activated, this,
            guarded(&TForm1::comboBodyTemplateChange));
    connect(miStayOnTop, &QAction::triggered, this, [this] {
        // The menu toggled its check mark already; the command toggles it itself.
        miStayOnTop->setChecked(!miStayOnTop->isChecked());
        miStayOnTopClick();
    });
    connect(miReadme, &QAction::triggered, this, guarded(&TForm1::miReadmeClick));
    connect(miOpt, &QAction::triggered, this, guarded(&TForm1::miOptClick));
    connect(miPaintFontBG, &QAction::toggled, this,
            [this](bool on) { settings_.PaintFontBG = on; });
    connect(miUseSpanTag, &QAction::triggered, this, [this] { miUseSpanTagClick(); });
    for (QAction* action :
         {miCopy, miBrowse, miFitWebColor, miNega, miRandom, miCopyFont, miCopyBody, miSwap,
          miUnifyEqu, miUnifySat, miUnifyLum, miLoadBgImage, miClearBgImage, miSaveTemplate,
          miDelTemplate, miStayOnTop, miReadme, miOpt}) {
        action->setEnabled(true);
    }
    mcCopyFmt->setEnabled(true);
    miCopyBody->setEnabled(false);
}

} // namespace tintora
