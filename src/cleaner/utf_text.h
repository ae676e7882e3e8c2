#pragma once
// UTF-8 and UTF-16 as the keep list meets them: site names typed in any script, and Keep.ini
// saved by an editor as UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u32string> DecodeUtf8(std::string_view text);

// Appends the UTF-8 form of a Unicode scalar value.
void AppendUtf8(std::string& out, char32_t c);

// UTF-16 bytes (little- or big-endian) as UTF-8. An unpaired surrogate becomes the byte 0xFF,
// which no UTF-8 text holds, so the text around it stays but is never read as a name.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

} // namespace aw
