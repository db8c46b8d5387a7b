#pragma once

// The errors of picture loading.

#include <exception>
#include <stdexcept>
#include <string_view>

namespace tintora {

// The invalid-picture error. Its message is UTF-8 Japanese text for the error report.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The silent abort signal: a progress handler raises it to stop a load without a message.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "abort"; }
};

inline constexpr std::string_view UnknownExtensionMessage = "拡張子 .%s の画像形式は処理できません";
inline constexpr std::string_view InvalidPictureMessage = "認識できない画像形式です";

} // namespace tintora
