#pragma once

// Messages with "%s" places, filled in order, as the program's Japanese messages are written.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tintora {

// Each "%s" of `format` takes the next argument; places without an argument stay as they are.
inline std::string FormatMessage(std::string_view format,
                                 std::initializer_list<std::string_view> arguments) {
    std::string message;
    auto argument = arguments.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const std::size_t place = format.find("%s", pos);
        if (place == std::string_view::npos || argument == arguments.end()) {
            message += format.substr(pos);
            break;
        }
        message += format.substr(pos, place - pos);
        message += *argument++;
        pos = place + 2;
    }
    return message;
}

} // namespace tintora
