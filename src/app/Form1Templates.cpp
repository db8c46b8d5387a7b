// Templates: named snapshots of the FONT page and of the BODY page, saved, applied and deleted
// by name, and kept in the settings file.

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "html/TemplateCommands.h"
#include "html/Templates.h"
#include "widgets/HsxPanel.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QToolButton>

namespace tintora {

namespace {

// Messages keep their line breaks as a lone CR; Qt's boxes break lines at LF.
QString MessageText(const std::string& text) {
    return QString::fromStdString(text).replace('\r', '\n');
}

template <class T>
std::vector<std::string> NamesOf(const TTemplateList<T>& list) {
    std::vector<std::string> names;
    for (const auto& item : list.Items()) {
        names.push_back(item.Name);
    }
    return names;
}

} // namespace

void TForm1::FillTemplateCombo(QComboBox* combo, const std::vector<std::string>& names,
                               int select) {
    combo->clear();
    for (const std::string& name : names) {
        combo->addItem(QString::fromStdString(name));
    }
    combo->setCurrentIndex(select);
}

void TForm1::LoadTemplates(const TIniFile2& ini) {
    fontTemplates_ = ReadFontTemplates(ini);
    bodyTemplates_ = ReadBodyTemplates(ini);
    FillTemplateCombo(comboFontTemplate, NamesOf(fontTemplates_), -1);
    FillTemplateCombo(comboBodyTemplate, NamesOf(bodyTemplates_), -1);
}

void TForm1::SaveTemplates(TIniFile2& ini) const {
    WriteFontTemplates(ini, fontTemplates_);
    WriteBodyTemplates(ini, bodyTemplates_);
}

std::string TForm1::AskTemplateName(QComboBox* combo) {
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, QString::fromUtf8(SaveTemplateCaption.data(), qsizetype(SaveTemplateCaption.size())),
        QString::fromUtf8(SaveTemplatePrompt.data(), qsizetype(SaveTemplatePrompt.size())),
        QLineEdit::Normal, combo->currentText(), &ok);
    return ok ? name.toStdString() : std::string();
}

bool TForm1::AskYesNo(const std::string& question) {
    QMessageBox box(QMessageBox::Question,
                    QString::fromStdString(ConfirmCaption(kApplicationTitle.toStdString())),
                    MessageText(question), QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TForm1::miSaveTemplateClick() {
    if (IsFontPageShown()) {
        SaveFontTemplateAs();
    } else {
        SaveBodyTemplateAs();
    }
}

void TForm1::miDelTemplateClick() {
    DeleteSelectedTemplate(IsFontPageShown() ? comboFontTemplate : comboBodyTemplate);
}

namespace {

// What the save command does for one kind of template; the snapshot fills a template from the
// page as it stands.
template <class T, class Snap>
void SaveTemplateAs(TTemplateList<T>& list, QComboBox* combo, const std::string& name,
                    const Snap& snap, const std::function<bool(const std::string&)>& askYesNo) {
    if (name.empty()) {
        return;
    }
    const TTemplateSaveDecision decision = DecideTemplateSave(list, name);
    switch (decision.Action) {
    case TTemplateSaveAction::tsaCancel:
        return;
    case TTemplateSaveAction::tsaLimitError:
        throw std::runtime_error(decision.Message);
    case TTemplateSaveAction::tsaAdd: {
        T t;
        snap(t);
        if (const auto index = list.Add(name, std::move(t))) {
            combo->insertItem(static_cast<int>(*index), QString::fromStdString(name));
            combo->setCurrentIndex(static_cast<int>(*index));
        }
        return;
    }
    case TTemplateSaveAction::tsaAskOverwrite:
        if (askYesNo(decision.Message)) {
            snap(list.TemplateAt(decision.Index));
            combo->setCurrentIndex(static_cast<int>(decision.Index));
        }
        return;
    }
}

} // namespace

void TForm1::SaveFontTemplateAs() {
    const std::string name = AskTemplateName(comboFontTemplate);
    TFontPageState page;
    static_cast<TGrdParams&>(page) = GrdParams();
    page.Back = pnlBack->Color();
    page.Face = comboFontFace->currentText().toStdString();
    page.Size = ComboFontSize->currentText().toStdString();
    page.Bold = btnBold->isChecked();
    page.Italic = btnItalic->isChecked();
    page.Underline = btnUnderline->isChecked();
    page.BgImageFile = bgImageFile_;
    SaveTemplateAs(
        fontTemplates_, comboFontTemplate, name,
        [&page](TFontTemplate& t) { SnapCurrentFontAsTemplate(page, t); },
        [this](const std::string& q) { return AskYesNo(q); });
}

void TForm1::SaveBodyTemplateAs() {
    const std::string name = AskTemplateName(comboBodyTemplate);
    const TBodyColors colors = BodyTagInput().Colors;
    SaveTemplateAs(
        bodyTemplates_, comboBodyTemplate, name,
        [&](TBodyTemplate& t) { SnapCurrentBodyAsTemplate(colors, bgImageFile_, t); },
        [this](const std::string& q) { return AskYesNo(q); });
}

void TForm1::DeleteSelectedTemplate(QComboBox* combo) {
    const int index = combo->currentIndex();
    if (index < 0) {
        return;
    }
    if (!AskYesNo(DeleteTemplateQuestion(combo->currentText().toStdString()))) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    if (combo == comboFontTemplate) {
        fontTemplates_.Remove(at);
    } else {
        bodyTemplates_.Remove(at);
    }
    combo->removeItem(index);
    combo->setCurrentIndex(-1);
}

void TForm1::comboFontTemplateChange() {
    const int index = comboFontTemplate->currentIndex();
    if (comboFontTemplate->currentText().isEmpty() || index < 0) {
        return;
    }
    const TFontTemplate& t = fontTemplates_.TemplateAt(static_cast<std::size_t>(index));
    // The sample is not painted while the controls change, and once at the end, whatever
    // happened on the way.
    TemplateApplying = true;
    const auto finish = [this] {
        TemplateApplying = false;
        RefreshTagSamples();
    };
    try {
        ApplyFontTemplateToPage(t);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TForm1::ApplyFontTemplateToPage(const TFontTemplate& t) {
    SetGrdType(t.Type);
    pnlStart->SetColor(t.Start);
    pnlBack->SetColor(t.Back);
    switch (t.Type) {
    case TGrdType::gtTwo:
        pnlEnd->SetColor(t.End);
        break;
    case TGrdType::gtThree:
        pnlMid->SetColor(t.Middle);
        pnlEnd->SetColor(t.End);
        break;
    case TGrdType::gtRainBow:
        udWave->SetPosition(t.Wave);
        break;
    case TGrdType::gtWave:
        pnlEnd->SetColor(t.End);
        udWave->SetPosition(t.Wave);
        udWave2->SetPosition(t.Wave2);
        break;
    case TGrdType::gtNone:
        break;
    }
    if (THsxPanel* pressed = SelectedFontPanel()) {
        ChangeColor(pressed->Color());
    }
    btnBold->setChecked(t.Style & 1);
    btnItalic->setChecked(t.Style & 2);
    btnUnderline->setChecked(t.Style & 4);
    SampleFont.setBold(t.Style & 1);
    SampleFont.setItalic(t.Style & 2);
    SampleFont.setUnderline(t.Style & 4);
    SampleFont.setStrikeOut(t.Style & 8);
    comboFontFace->setEditText(QString::fromStdString(t.Face));
    comboFontFaceChange();
    ComboFontSize->setCurrentIndex(
        t.Size.empty() ? -1 : ComboFontSize->findText(QString::fromStdString(t.Size)));
    comboFontSizeChange();
    SetBgImageFile(t.Background);
}

void TForm1::comboBodyTemplateChange() {
    const int index = comboBodyTemplate->currentIndex();
    if (comboBodyTemplate->currentText().isEmpty() || index < 0) {
        return;
    }
    const TBodyTemplate& t = bodyTemplates_.TemplateAt(static_cast<std::size_t>(index));
    const TBodyColors& colors = t.Colors;
    pnlBgcolor->SetColor(colors.Bgcolor);
    pnlText->SetColor(colors.Text);
    pnlLink->SetColor(colors.Link);
    pnlVlink->SetColor(colors.Vlink);
    pnlAlink->SetColor(colors.Alink);
    SetBgImageFile(t.Background);
    if (THsxPanel* pressed = SelectedBodyPanel()) {
        ChangeColor(pressed->Color());
    }
    RefreshTagSamples();
}

} // namespace tintora
