#include "cleaner/utf_text.h"

#include "platform/unicode_text.h"

namespace aw {

std::optional<std::u32string> DecodeUtf8(std::string_view text)
{
    if (!IsStrictUtf8(text))
        return std::nullopt;
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t value = 0;
        const std::size_t length = NextCodePoint(text, at, value);
        if (length == 0)
            return std::nullopt;
        out.push_back(value);
        at += length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c)
{
    AppendCodePoint(out, c);
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out += '\xFF';
            continue;
        }
        AppendCodePoint(out, c);
    }
    return out;
}

} // namespace aw
