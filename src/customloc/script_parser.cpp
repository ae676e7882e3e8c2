#include "customloc/script_parser.h"

#include "customloc/registry_roots.h"

namespace aw {

namespace {

constexpr std::string_view kFileVerb = "FIL:";
constexpr std::string_view kFolderVerb = "DIR:";
constexpr std::string_view kRegistryVerb = "REG:";

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Blanks between fields: codes 1 to 32. A NUL is the end of the text, never a blank.
bool IsFieldBlank(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= 32;
}

// Reads the fields of a text that holds no NUL.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::vector<std::string>> Read()
    {
        std::vector<std::string> fields;
        SkipBlanks();
        while (!AtEnd()) {
            std::optional<std::string> field = Current() == '"' ? QuotedField() : PlainField();
            if (!field)
                return std::nullopt;
            fields.push_back(std::move(*field));
            SkipBlanks();
            if (!AtEnd() && Current() == '|') {
                if (pos_ + 1 == text_.size())
                    fields.emplace_back();
                ++pos_;
                SkipBlanks();
            }
        }
        return fields;
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Current() const { return text_[pos_]; }

    void SkipBlanks()
    {
        while (!AtEnd() && IsFieldBlank(Current()))
            ++pos_;
    }

    // From an opening mark to the next mark that is not doubled; "" inside is one mark.
    std::optional<std::string> QuotedField()
    {
        std::string field;
        ++pos_;
        while (!AtEnd()) {
            char c = Current();
            ++pos_;
            if (c != '"') {
                field += c;
            } else if (!AtEnd() && Current() == '"') {
                field += '"';
                ++pos_;
            } else {
                return field;
            }
        }
        return std::nullopt; // the mark never closes
    }

    // Up to the first blank or "|". Empty when the text goes on with a "|" at once.
    std::string PlainField()
    {
        std::size_t start = pos_;
        while (!AtEnd() && !IsTrimmed(Current()) && Current() != '|')
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

ScriptLine ParseFolderArgument(std::string_view argument)
{
    auto fields = SplitScriptFields(argument);
    // A line without both a folder and a mode names nothing to delete.
    if (!fields || fields->size() < 2)
        return IgnoredLine{};
    std::size_t count = fields->size();
    return FolderLine{(*fields)[count - 2], (*fields)[count - 1]};
}

ScriptLine ParseRegistryArgument(std::string_view argument)
{
    std::optional<std::string> root = ExpandRootAbbreviation(argument.substr(0, 4));
    if (!root)
        return IgnoredLine{};
    // The fifth character is the separator after the root, whatever it is.
    std::string_view path = argument.size() > 5 ? argument.substr(5) : std::string_view();
    return RegistryLine{std::move(*root), std::string(path)};
}

} // namespace

std::string_view TrimScriptBlanks(std::string_view text)
{
    while (!text.empty() && IsTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::vector<std::string>> SplitScriptFields(std::string_view text)
{
    return FieldReader(UpToNul(text)).Read();
}

std::optional<std::string> FieldFromEnd(std::string_view text, int n)
{
    auto fields = SplitScriptFields(text);
    if (!fields || n < 1 || static_cast<std::size_t>(n) > fields->size())
        return std::nullopt;
    return (*fields)[fields->size() - static_cast<std::size_t>(n)];
}

ScriptLine ParseScriptLine(std::string_view line)
{
    // Whatever follows a NUL never reaches the system, so it is not part of the line either.
    line = UpToNul(TrimScriptBlanks(line));
    std::string_view verb = line.substr(0, 4);
    std::string_view argument = line.size() > 4 ? line.substr(4) : std::string_view();
    if (verb == kFileVerb)
        return FileLine{std::string(argument)};
    if (verb == kFolderVerb)
        return ParseFolderArgument(argument);
    if (verb == kRegistryVerb)
        return ParseRegistryArgument(argument);
    return IgnoredLine{};
}

} // namespace aw
