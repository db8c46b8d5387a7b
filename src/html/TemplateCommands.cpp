#include "html/TemplateCommands.h"

namespace tintora {

std::string TemplateLimitMessage(std::size_t limit) {
    return "テンプレートの登録は" + std::to_string(limit) + "個が上限です。\r" +
           "これ以上は新規登録できません。";
}

std::string OverwriteTemplateQuestion(std::string_view name) {
    return "テンプレート名 '" + std::string(name) + "' はすでに存在します。\r上書きしますか？";
}

std::string DeleteTemplateQuestion(std::string_view name) {
    return "テンプレート '" + std::string(name) + "' を削除します。\rよろしいですか？";
}

std::string ConfirmCaption(std::string_view appTitle) {
    return "確認 - " + std::string(appTitle);
}

TTemplateSaveDecision DecideTemplateSave(std::string_view name, std::optional<std::size_t> found,
                                         std::size_t count, std::size_t limit) {
    TTemplateSaveDecision decision;
    if (name.empty()) {
        return decision;
    }
    if (found) {
        decision.Action = TTemplateSaveAction::tsaAskOverwrite;
        decision.Index = *found;
        decision.Message = OverwriteTemplateQuestion(name);
    } else if (count >= limit) {
        decision.Action = TTemplateSaveAction::tsaLimitError;
        decision.Message = TemplateLimitMessage(limit);
    } else {
        decision.Action = TTemplateSaveAction::tsaAdd;
    }
    return decision;
}

} // namespace tintora
