#include "skin/package/quick_ini.h"

#include "skin/package/text_lines.h"

namespace aw::skin {

namespace {

bool IsSectionHeader(std::string_view line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHexDigits(std::string_view digits, std::uint32_t& value)
{
    if (digits.empty())
        return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return false;
        v = v * 16 + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFu)
            return false;
    }
    value = static_cast<std::uint32_t>(v);
    return true;
}

bool ParseDecimalDigits(std::string_view digits, bool negative, std::int32_t& value)
{
    if (digits.empty())
        return false;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
        if (v > limit)
            return false;
    }
    value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(v)) : static_cast<std::int32_t>(v);
    return true;
}

std::int32_t WrapToInt32(std::uint32_t v)
{
    return v <= 0x7FFFFFFFu ? static_cast<std::int32_t>(v)
                            : static_cast<std::int32_t>(static_cast<std::int64_t>(v) - 0x100000000LL);
}

}  // namespace

bool ParseIniInteger(std::string_view text, std::int32_t& value)
{
    std::uint32_t hex = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ParseHexDigits(text.substr(2), hex))
            return false;
        value = WrapToInt32(hex);
        return true;
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text[0] == '$') {
        if (!ParseHexDigits(text.substr(1), hex))
            return false;
        value = WrapToInt32(negative ? 0u - hex : hex);
        return true;
    }
    return ParseDecimalDigits(text, negative, value);
}

void TQuickIni::LoadFromStream(MemoryStream& stream)
{
    const std::string_view text(reinterpret_cast<const char*>(stream.Data()) + stream.Position(), stream.Remaining());
    LoadFromText(text);
    stream.Seek(stream.Size());
}

void TQuickIni::LoadFromText(std::string_view text)
{
    lines_.clear();
    sections_.clear();
    for (const std::string& raw : SplitLines(TextBeforeNul(text))) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (IsSectionHeader(line))
            sections_.push_back({std::string(line), lines_.size()});
        lines_.emplace_back(line);
    }
}

const TQuickIni::SectionHeader* TQuickIni::FindSection(std::string_view section) const
{
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");
    for (const SectionHeader& s : sections_) {
        if (EqualsIgnoringCase(s.text, header))
            return &s;
    }
    return nullptr;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const SectionHeader* header = lines_.empty() ? nullptr : FindSection(section);
    if (!header)
        return std::string(defaultValue);

    const std::string wantedKey = AsciiLower(key);
    for (std::size_t i = header->line + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsSectionHeader(line))
            break;
        const std::size_t equals = line.find('=');
        const std::string_view lineKey = equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
        if (AsciiLower(TrimBlanks(lineKey)) != wantedKey)
            continue;
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
        return value.empty() ? std::string(defaultValue) : std::string(value);
    }
    return std::string(defaultValue);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const
{
    std::int32_t value = 0;
    return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const
{
    list.clear();
    for (const SectionHeader& s : sections_)
        list.emplace_back(TrimBlanks(std::string_view(s.text).substr(1, s.text.size() - 2)));
}

}  // namespace aw::skin
