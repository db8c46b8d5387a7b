#pragma once

// The save and delete commands of the template lists, as decisions and texts: the window shows
// the boxes and acts on the answer.
//
// The texts break lines with a lone CR, as the program always has; a message box that does not
// break on CR should show it as a line break.

#include "html/TemplateList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tintora {

// The name prompt of the save command.
inline constexpr std::string_view SaveTemplateCaption = "名前を付けて保存";
inline constexpr std::string_view SaveTemplatePrompt =
    "新規テンプレートに付ける名前を指定してください。";

// "テンプレートの登録は100個が上限です。" CR "これ以上は新規登録できません。" for limit 100.
std::string TemplateLimitMessage(std::size_t limit);
// "テンプレート名 'name' はすでに存在します。" CR "上書きしますか？"
std::string OverwriteTemplateQuestion(std::string_view name);
// "テンプレート 'name' を削除します。" CR "よろしいですか？"
std::string DeleteTemplateQuestion(std::string_view name);
// "確認 - " and the application title: the caption of both questions.
std::string ConfirmCaption(std::string_view appTitle);

enum class TTemplateSaveAction {
    tsaCancel,       // no name given: the command ends
    tsaAdd,          // snapshot into a new template and add it under the name
    tsaAskOverwrite, // ask Message (Yes/No, No the default); on Yes snapshot into item Index
    tsaLimitError,   // show Message as an error; the list stays as it is
};

struct TTemplateSaveDecision {
    TTemplateSaveAction Action = TTemplateSaveAction::tsaCancel;
    std::size_t Index = 0; // the existing item, for tsaAskOverwrite
    std::string Message;   // the question or the error, for tsaAskOverwrite and tsaLimitError
};

// found: the item the name matches (letter case ignored), if any; count: items in the list.
TTemplateSaveDecision DecideTemplateSave(std::string_view name, std::optional<std::size_t> found,
                                         std::size_t count, std::size_t limit);

template <class T>
TTemplateSaveDecision DecideTemplateSave(const TTemplateList<T>& list, std::string_view name) {
    return DecideTemplateSave(name, list.Find(name), list.Size(), TTemplateList<T>::MaxCount);
}

} // namespace tintora
