#include "platform/cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <utility>

namespace nencho {

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one whole piece; no value when any of it cannot be converted.
    std::optional<std::string> convert(std::string_view input) {
        if (!valid()) return std::nullopt;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 8, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        output.resize(output.size() - outLeft);
        return output;
    }

  private:
    iconv_t handle_;
};

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kTwins{{
    {"〜", "～"},  // U+301C → U+FF5E
    {"−", "－"},   // U+2212 → U+FF0D
    {"‖", "∥"},    // U+2016 → U+2225
    {"—", "―"},    // U+2014 → U+2015
    {"¢", "￠"},
    {"£", "￡"},
    {"¬", "￢"},
}};

}  // namespace

std::string mapToCp932Twins(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len =
            std::min(utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view ch = utf8.substr(i, len);
        std::string_view replacement = ch;
        for (const auto& [from, to] : kTwins)
            if (ch == from) replacement = to;
        result.append(replacement);
        i += len;
    }
    return result;
}

std::optional<std::string> encodeCp932(std::string_view utf8, std::string* offending) {
    Converter encoder("CP932", "UTF-8");
    Converter decoder("UTF-8", "CP932");
    std::string result;
    // Character by character, so that a character that would come back as another one
    // (the converter maps a few one way only) is refused too.
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t len =
            std::min(utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string_view ch = utf8.substr(i, len);
        auto bytes = encoder.convert(ch);
        std::optional<std::string> back = bytes ? decoder.convert(*bytes) : std::nullopt;
        if (!bytes || !back || *back != ch) {
            if (offending) *offending = std::string(ch);
            return std::nullopt;
        }
        result += *bytes;
        i += len;
    }
    return result;
}

std::string decodeCp932(std::string_view bytes) {
    Converter decoder("UTF-8", "CP932");
    if (auto whole = decoder.convert(bytes)) return *whole;
    // Some byte is not code page 932: decode what can be decoded, one character at a time.
    std::string result;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const std::size_t len = doubleByte && i + 1 < bytes.size() ? 2 : 1;
        auto ch = decoder.convert(bytes.substr(i, len));
        result += ch ? *ch : "\xEF\xBF\xBD";
        i += len;
    }
    return result;
}

}  // namespace nencho
