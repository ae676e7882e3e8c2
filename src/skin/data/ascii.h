#pragma once
// ASCII-only letter case, as the skin description's names are compared.

#include <string>
#include <string_view>

namespace aw::skin {

inline std::string AsciiUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace aw::skin
