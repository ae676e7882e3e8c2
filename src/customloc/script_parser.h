#pragma once
// The custom location script, one line at a time: which verb a line holds and what its fields
// are. Only text is looked at here; expanding variables and acting is the runner's job.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace aw {

// The line without the characters of codes 0 to 32 at either end.
std::string_view TrimScriptBlanks(std::string_view text);

// The argument of a "DIR:" line split into fields. Fields are separated by "|" and by blanks
// (codes 1 to 32); a field that starts with a double quotation mark runs to the next one that
// is not doubled ("" inside stands for one mark), so a path with spaces is written in quotes.
// A "|" that ends the text adds an empty last field. A NUL ends the text, as it does for every
// system call the path would reach. Empty when a quotation mark never closes.
std::optional<std::vector<std::string>> SplitScriptFields(std::string_view text);

// The n-th field counted from the end (n = 1 is the last one). Empty when the text has fewer
// than n fields, when n is below 1, or when a quotation mark never closes.
std::optional<std::string> FieldFromEnd(std::string_view text, int n);

// "FIL:" — one file, its path with variables still in it. Spaces, "|" and quotation marks are
// part of the path.
struct FileLine {
    std::string Path;
};

// "DIR:" — a folder (variables still in it) and a mode: "RECURSIVE" or a file mask.
struct FolderLine {
    std::string Folder;
    std::string Mode;
};

// "REG:" — a registry value or key below one of the two roots the script accepts.
struct RegistryLine {
    std::string RootName; // "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE"
    std::string Path;     // as written: a value path, or else a key path
};

// Blank lines, comments, unknown or lower-case verbs, and lines of a known verb whose
// argument cannot be used (a "DIR:" line without a folder and a mode, or with a quotation mark
// that never closes; a "REG:" line whose root is not "HKCU" or "HKLM").
struct IgnoredLine {};

using ScriptLine = std::variant<IgnoredLine, FileLine, FolderLine, RegistryLine>;

// What one line of the script asks for. The verb is the first four characters of the trimmed
// line, compared exactly; the argument is everything after it.
ScriptLine ParseScriptLine(std::string_view line);

} // namespace aw
