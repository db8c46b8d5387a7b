#include "text/Encoding.h"

#include <cerrno>
#include <iconv.h>

namespace tintora {

namespace {

constexpr std::string_view replacementChar = "\xEF\xBF\xBD";

bool IsCp932Trail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsCp932Lead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

class TIconv {
public:
    TIconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~TIconv() {
        if (IsOpen()) {
            iconv_close(cd_);
        }
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;

    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view text) {
    TIconv converter("UTF-8", "CP932");
    if (!converter.IsOpen()) {
        return std::nullopt;
    }
    std::string result;
    // A code page 932 character of one or two bytes takes at most three bytes in UTF-8.
    char buffer[4096];
    // iconv takes a non-const input pointer but does not write through it.
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(converter.Handle(), &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<std::size_t>(out - buffer));
        if (rc != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG) {
            continue;
        }
        // EILSEQ, or EINVAL for a lead byte cut off at the end: replace and go on after it.
        std::size_t skip = 1;
        if (inLeft >= 2 && IsCp932Lead(static_cast<unsigned char>(in[0])) &&
            IsCp932Trail(static_cast<unsigned char>(in[1]))) {
            skip = 2;
        }
        result += replacementChar;
        in += skip;
        inLeft -= skip;
        iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);
    }
    return result;
}

} // namespace tintora
