// Feeds one script line to the parser and checks what must hold for any line: the fields
// FieldFromEnd returns are those of the split, a "DIR:" line's folder and mode are its last two
// fields, a "FIL:" path is the argument as written, and fields written in quotes come back
// exactly, whatever bytes they hold.
#include "customloc/path_variables.h"
#include "customloc/registry_roots.h"
#include "customloc/script_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view ArgumentOf(std::string_view line)
{
    line = aw::TrimScriptBlanks(line);
    line = line.substr(0, line.find('\0'));
    return line.size() > 4 ? line.substr(4) : std::string_view();
}

void CheckFieldsAgreeWithFieldFromEnd(std::string_view text)
{
    auto fields = aw::SplitScriptFields(text);
    if (!fields) {
        Check(!aw::FieldFromEnd(text, 1));
        return;
    }
    const int count = static_cast<int>(fields->size());
    // The last fields, which the script uses, and the first; every n would make a run quadratic.
    for (int n : {1, 2, 3, count}) {
        if (n < 1 || n > count)
            continue;
        auto field = aw::FieldFromEnd(text, n);
        Check(field && *field == (*fields)[static_cast<std::size_t>(count - n)]);
    }
    Check(!aw::FieldFromEnd(text, count + 1));
    Check(!aw::FieldFromEnd(text, 0));
    for (const std::string& field : *fields)
        Check(field.find('\0') == std::string::npos);
}

void CheckParsedLine(std::string_view line)
{
    aw::ScriptLine parsed = aw::ParseScriptLine(line);
    std::string_view argument = ArgumentOf(line);
    if (auto* file = std::get_if<aw::FileLine>(&parsed)) {
        Check(file->Path == argument);
    } else if (auto* folder = std::get_if<aw::FolderLine>(&parsed)) {
        Check(aw::FieldFromEnd(argument, 2) == folder->Folder);
        Check(aw::FieldFromEnd(argument, 1) == folder->Mode);
    } else if (auto* registry = std::get_if<aw::RegistryLine>(&parsed)) {
        Check(registry->RootName == "HKEY_CURRENT_USER" || registry->RootName == "HKEY_LOCAL_MACHINE");
        Check(aw::RootKeyFromName(registry->RootName) != 0);
    }
}

// Splits the input at newlines into fields (NULs dropped, as no field can hold one), writes them
// quoted and joined by "|", and expects exactly those fields back.
void CheckQuotedFieldsRoundTrip(std::string_view data)
{
    std::vector<std::string> parts(1);
    for (char c : data) {
        if (c == '\n')
            parts.emplace_back();
        else if (c != '\0')
            parts.back() += c;
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i)
            text += (i % 2) ? "|" : " | ";
        text += '"';
        for (char c : parts[i]) {
            text += c;
            if (c == '"')
                text += '"';
        }
        text += '"';
    }
    auto fields = aw::SplitScriptFields(text);
    Check(fields && *fields == parts);
}

void CheckVariables(std::string_view text)
{
    std::string expanded = aw::SubstitutePathVariables(text, [](aw::PathVariable) { return std::string(); });
    // Every replacement by an empty value takes a name out and puts nothing in.
    Check(expanded.size() <= text.size());
    aw::SubstitutePathVariables(text, [](aw::PathVariable v) { return "%" + std::to_string(static_cast<int>(v)) + "%"; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view line(reinterpret_cast<const char*>(data), size);
    CheckParsedLine(line);
    CheckFieldsAgreeWithFieldFromEnd(line);
    CheckQuotedFieldsRoundTrip(line);
    CheckVariables(line);
    aw::ExpandRootAbbreviation(line.substr(0, 4));
    aw::RootKeyFromName(line);
    return 0;
}
