// Reads arbitrary text as a skin description: every section, and the keys the text itself
// names, as strings and integers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/package/memory_stream.h"
#include "skin/package/quick_ini.h"

using namespace aw::skin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryStream stream(data, size);
    TQuickIni ini;
    ini.LoadFromStream(stream);
    if (stream.Position() != stream.Size())
        __builtin_trap();

    std::vector<std::string> sections;
    ini.ReadSections(sections);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Candidate keys: the text before each "=".
    std::vector<std::string> keys = {"", "Image", "Frame"};
    for (std::size_t pos = text.find('='); pos != std::string_view::npos && keys.size() < 32;
         pos = text.find('=', pos + 1)) {
        const std::size_t start = text.find_last_of("\r\n", pos);
        keys.emplace_back(text.substr(start == std::string_view::npos ? 0 : start + 1,
                                      pos - (start == std::string_view::npos ? 0 : start + 1)));
    }
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            // The default comes back for every missing or empty value.
            const std::string value = ini.ReadString(section, key, "\x01");
            if (value.empty())
                __builtin_trap();
            ini.ReadInteger(section, key, -7);
        }
    }
    std::int32_t value = 0;
    ParseIniInteger(text.substr(0, 40), value);
    return 0;
}
