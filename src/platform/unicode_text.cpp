#include "platform/unicode_text.h"

namespace aw {

namespace {

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

bool IsHighSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code point at `at` and its length, 0 when the bytes there are no well-formed sequence.
// Surrogates are admitted alone.
std::size_t DecodeAt(std::string_view text, std::size_t at, char32_t& value)
{
    if (at >= text.size())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        value = lead;
        return 1;
    }
    std::size_t length = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i)))
            return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

std::size_t NextCodePoint(std::string_view text, std::size_t at, char32_t& value)
{
    const std::size_t length = DecodeAt(text, at, value);
    if (length == 0 || !IsHighSurrogate(value))
        return length;
    // A high surrogate written on its own may not be followed by a low one written on its
    // own: the pair has its four-byte form, and two spellings of one name would not compare
    // equal.
    char32_t following = 0;
    if (DecodeAt(text, at + length, following) == 3 && IsLowSurrogate(following))
        return 0;
    return length;
}

void AppendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsStrictUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        char32_t value = 0;
        const std::size_t length = DecodeAt(text, at, value);
        if (length == 0 || IsHighSurrogate(value) || IsLowSurrogate(value))
            return false;
        at += length;
    }
    return true;
}

std::size_t Utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (!IsContinuation(u))
            units += u >= 0xF0 ? 2 : 1;
    }
    return units;
}

bool IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::optional<std::string_view> Utf8TextOf(std::string_view bytes)
{
    if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    if (!IsStrictUtf8(bytes))
        return std::nullopt;
    return bytes;
}

} // namespace aw
