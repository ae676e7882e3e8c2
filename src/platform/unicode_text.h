#pragma once
// UTF-8 and UTF-16: the program keeps every name and path in UTF-8; the system's wide calls
// take and give UTF-16. No Win32 here.
//
// A file name on Windows is any sequence of 16-bit units, and may hold a surrogate that has no
// partner. Such a unit is written in UTF-8's three-byte form (as WTF-8 does), so every name the
// system gives comes back to it unchanged; a partnered pair is always one four-byte sequence.
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// The code point that starts at `at` and the number of bytes it takes; 0 when the bytes there
// are not well-formed (a stray or missing continuation byte, an overlong form, a value above
// U+10FFFF, or a surrogate pair written as two three-byte sequences).
std::size_t NextCodePoint(std::string_view text, std::size_t at, char32_t& value);
// Appends one code point (an unpaired surrogate included) in UTF-8.
void AppendCodePoint(std::string& out, char32_t value);

// Appends the UTF-16 form of a UTF-8 text to `out` (of char16_t, or of wchar_t where it holds
// 16 bits); false, with `out` as it was, when the text is not well-formed.
template <typename Unit>
bool AppendUtf16(std::basic_string<Unit>& out, std::string_view text)
{
    static_assert(sizeof(Unit) == 2, "UTF-16 units");
    const std::size_t start = out.size();
    for (std::size_t at = 0; at < text.size();) {
        char32_t value = 0;
        const std::size_t length = NextCodePoint(text, at, value);
        if (length == 0) {
            out.resize(start);
            return false;
        }
        at += length;
        if (value >= 0x10000) {
            value -= 0x10000;
            out += static_cast<Unit>(0xD800 + (value >> 10));
            out += static_cast<Unit>(0xDC00 + (value & 0x3FF));
        } else {
            out += static_cast<Unit>(value);
        }
    }
    return true;
}

// Appends the UTF-8 form of UTF-16 units.
template <typename Unit>
void AppendUtf8(std::string& out, const Unit* units, std::size_t count)
{
    static_assert(sizeof(Unit) == 2, "UTF-16 units");
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = static_cast<char16_t>(units[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count) {
            const char32_t next = static_cast<char16_t>(units[i + 1]);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                ++i;
            }
        }
        AppendCodePoint(out, c);
    }
}

// The same, as new strings.
template <typename Unit = char16_t>
std::optional<std::basic_string<Unit>> Utf16FromUtf8(std::string_view text)
{
    std::basic_string<Unit> out;
    out.reserve(text.size());
    if (!AppendUtf16(out, text))
        return std::nullopt;
    return out;
}

template <typename Unit>
std::string Utf8FromUtf16(std::basic_string_view<Unit> text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    AppendUtf8(out, text.data(), text.size());
    return out;
}

inline std::string Utf8FromUtf16(std::u16string_view text)
{
    return Utf8FromUtf16<char16_t>(text);
}

// Well-formed UTF-8 in the strict sense: no surrogate at all. A text file that passes is read
// as UTF-8 rather than in the ANSI code page.
bool IsStrictUtf8(std::string_view text);

// The number of UTF-16 units a well-formed text takes, counted from its lead bytes (each byte
// that is not a continuation byte counts one, a four-byte lead two).
std::size_t Utf16Length(std::string_view text);

// True when every byte is below 0x80: the same text in UTF-8 and in every ANSI code page.
bool IsAscii(std::string_view text);

// The UTF-8 byte-order mark, which some editors write at the start of a file.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A text file's content as UTF-8 text: its bytes, less a byte-order mark, when they are strict
// UTF-8; nothing when they are not (a file in an ANSI code page, as a rule).
std::optional<std::string_view> Utf8TextOf(std::string_view bytes);

} // namespace aw
