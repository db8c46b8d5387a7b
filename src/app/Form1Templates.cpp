// Templates: named snapshots of the FONT page and of the BODY page, saved, applied and deleted
// by name, and kept in the settings file.

#include "app/Form1.h"
#include "html/TemplateCommands.h"
#include "html/Templates.h"
#include "widgets/HsxPanel.h"

#include <QComboBox>

namespace tintora {

namespace {

// The list shows the names in their order, none selected.
template <class T>
void FillTemplateCombo(QComboBox* combo, const TTemplateList<T>& list) {
    combo->clear();
    for (const auto& item : list.Items()) {
        combo->addItem(QString::fromStdString(item.Name));
    }
    combo->setCurrentIndex(-1);
}

} // namespace

void TForm1::LoadTemplates(const TIniFile2& ini) {
    fontTemplates_ = ReadFontTemplates(ini);
    bodyTemplates_ = ReadBodyTemplates(ini);
    FillTemplateCombo(font_->comboFontTemplate, fontTemplates_);
    FillTemplateCombo(body_->comboBodyTemplate, bodyTemplates_);
}

void TForm1::SaveTemplates(TIniFile2& ini) const {
    WriteFontTemplates(ini, fontTemplates_);
    WriteBodyTemplates(ini, bodyTemplates_);
}

std::string TForm1::AskTemplateName(QComboBox* combo) {
    return services_.Prompts
        .AskText(std::string(SaveTemplateCaption), std::string(SaveTemplatePrompt),
                 combo->currentText().toStdString())
        .value_or(std::string());
}

bool TForm1::AskYesNo(const std::string& question) {
    return services_.Prompts.AskYesNo(ConfirmCaption(kApplicationTitle.toStdString()), question);
}

void TForm1::miSaveTemplateClick() {
    if (IsFontPageShown()) {
        SaveFontTemplateAs();
    } else {
        SaveBodyTemplateAs();
    }
}

void TForm1::miDelTemplateClick() {
    DeleteSelectedTemplate(IsFontPageShown() ? font_->comboFontTemplate : body_->comboBodyTemplate);
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
    const std::string name = AskTemplateName(font_->comboFontTemplate);
    TFontPageState page = font_->State();
    page.BgImageFile = bgImageFile_;
    SaveTemplateAs(
        fontTemplates_, font_->comboFontTemplate, name,
        [&page](TFontTemplate& t) { SnapCurrentFontAsTemplate(page, t); },
        [this](const std::string& q) { return AskYesNo(q); });
}

void TForm1::SaveBodyTemplateAs() {
    const std::string name = AskTemplateName(body_->comboBodyTemplate);
    const TBodyColors colors = body_->State();
    SaveTemplateAs(
        bodyTemplates_, body_->comboBodyTemplate, name,
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
    if (combo == font_->comboFontTemplate) {
        fontTemplates_.Remove(at);
    } else {
        bodyTemplates_.Remove(at);
    }
    combo->removeItem(index);
    combo->setCurrentIndex(-1);
}

void TForm1::comboFontTemplateChange() {
    const int index = font_->comboFontTemplate->currentIndex();
    if (font_->comboFontTemplate->currentText().isEmpty() || index < 0) {
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
    TFontPageState page = font_->State();
    ApplyFontTemplate(t, page);
    font_->Apply(page);
    if (THsxPanel* pressed = SelectedFontPanel()) {
        ChangeColor(pressed->Color());
    }
    SetSampleFontStyle(t.Style);
    comboFontFaceChange();
    comboFontSizeChange();
    SetBgImageFile(page.BgImageFile);
}

void TForm1::comboBodyTemplateChange() {
    const int index = body_->comboBodyTemplate->currentIndex();
    if (body_->comboBodyTemplate->currentText().isEmpty() || index < 0) {
        return;
    }
    const TBodyTemplate& t = bodyTemplates_.TemplateAt(static_cast<std::size_t>(index));
    body_->Apply(t.Colors);
    SetBgImageFile(t.Background);
    if (THsxPanel* pressed = SelectedBodyPanel()) {
        ChangeColor(pressed->Color());
    }
    RefreshTagSamples();
}

} // namespace tintora
