#include "skin/package/text_lines.h"

namespace aw::skin {

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view TextBeforeNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

}  // namespace aw::skin
