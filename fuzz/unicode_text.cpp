// Feeds arbitrary bytes through the UTF-8 and UTF-16 conversions and the long path form.
// Beyond memory errors it checks that every conversion that succeeds comes back exactly (two
// spellings of one name would slip past the checks that compare names), that the counted
// length is the converted one, and that a long path's form never keeps a "." or ".." level or
// a doubled separator, which the system would take literally.
#include "platform/long_path.h"
#include "platform/unicode_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckLongForm(std::string_view path)
{
    std::optional<std::string> form = aw::WideCallPath(path);
    if (!form || *form == path)
        return;
    Check(form->rfind("\\\\?\\", 0) == 0);
    Check(form->find('/') == std::string::npos);
    std::string_view levels(*form);
    levels.remove_prefix(4);
    Check(levels.find("\\\\") == std::string_view::npos);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= levels.size(); ++i) {
        if (i < levels.size() && levels[i] != '\\')
            continue;
        std::string_view level = levels.substr(start, i - start);
        Check(level != "." && level != "..");
        if (!level.empty())
            Check(level.back() != '.' && level.back() != ' ');
        start = i + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // As UTF-8.
    if (std::optional<std::u16string> units = aw::Utf16FromUtf8(bytes)) {
        Check(aw::Utf8FromUtf16(*units) == bytes);
        Check(aw::Utf16Length(bytes) == units->size());
    } else {
        Check(!aw::IsStrictUtf8(bytes));
    }
    if (std::optional<std::string_view> text = aw::Utf8TextOf(bytes))
        Check(aw::Utf16FromUtf8(*text).has_value());

    // As UTF-16 units, the way a directory listing gives a name.
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const std::string utf8 = aw::Utf8FromUtf16(units);
    Check(aw::Utf16FromUtf8(utf8) == units);
    Check(aw::Utf16Length(utf8) == units.size());

    // As a path.
    CheckLongForm(bytes);
    CheckLongForm("C:\\" + std::string(300, 'x') + "\\" + std::string(bytes));
    return 0;
}
