#include "platform/wide_text.h"

#include "platform/long_path.h"
#include "platform/unicode_text.h"

#include <windows.h>

namespace aw {

std::optional<std::wstring> WideFromUtf8(std::string_view text)
{
    return Utf16FromUtf8<wchar_t>(text);
}

std::string Utf8FromWide(std::wstring_view text)
{
    return Utf8FromUtf16<wchar_t>(text);
}

std::optional<std::wstring> WidePath(std::string_view path)
{
    std::optional<std::string> form = WideCallPath(path);
    if (!form)
        return std::nullopt;
    return WideFromUtf8(*form);
}

std::string Utf8FromAnsi(std::string_view ansi)
{
    if (IsAscii(ansi))
        return std::string(ansi);
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (length <= 0)
        return std::string();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
    return Utf8FromWide(wide);
}

std::optional<std::string> AnsiFromUtf8(std::string_view text)
{
    if (IsAscii(text))
        return std::string(text);
    std::optional<std::wstring> wide = WideFromUtf8(text);
    if (!wide)
        return std::nullopt;
    const int size = static_cast<int>(wide->size());
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size, ansi.data(), length, nullptr, &lost);
    // Some characters pass without the default one and still read back as others.
    if (lost || Utf8FromAnsi(ansi) != text)
        return std::nullopt;
    return ansi;
}

std::string AnsiForDisplay(std::string_view text)
{
    if (IsAscii(text))
        return std::string(text);
    std::optional<std::wstring> wide = WideFromUtf8(text);
    if (!wide)
        return std::string(text);
    const int size = static_cast<int>(wide->size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide->data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide->data(), size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

} // namespace aw
