#pragma once

// A list of texts as one line of comma-separated items, the form the settings file keeps lists in
// (the plug-in skip list).

#include <string>
#include <string_view>
#include <vector>

namespace tintora {

// Items separated by ",". An item that is empty or contains a space, a control character, a double
// quote or a comma is enclosed in double quotes, with each inner double quote doubled. An empty
// list is an empty text.
std::string ToCommaText(const std::vector<std::string>& items);

// Reads the form ToCommaText writes, and the looser forms of hand-edited files: spaces and control
// characters around items are skipped, an item in double quotes runs to its closing quote (a
// missing one to the end of the text), any other item to the first space, control character or
// comma.
std::vector<std::string> FromCommaText(std::string_view text);

} // namespace tintora
