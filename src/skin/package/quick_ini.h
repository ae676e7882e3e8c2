#pragma once
// TQuickIni: the small read-only INI reader for the skin description.
//
// Dialect: lines end at CR, LF or CR LF and are trimmed of blanks and control characters;
// empty lines and lines starting with ";" are dropped (a ";" later in a line is part of the
// value). A kept line written "[...]" is a section header. Sections and keys are found
// without regard to ASCII letter case; when a section name occurs twice, the first wins.
// A key line's value is the trimmed text after its first "="; an empty value means the
// caller's default. A NUL byte ends the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/package/memory_stream.h"

namespace aw::skin {

class TQuickIni {
public:
    // Parses the bytes from the stream's position to its end (the stream ends up there).
    void LoadFromStream(MemoryStream& stream);
    void LoadFromText(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // Decimal with an optional sign, or hexadecimal written "0x1F" or "$1F".
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // The section names in file order, brackets removed and trimmed; replaces `list`.
    void ReadSections(std::vector<std::string>& list) const;

private:
    struct SectionHeader {
        std::string text;     // trimmed, brackets included
        std::size_t line;     // index in lines_
    };

    const SectionHeader* FindSection(std::string_view section) const;

    std::vector<std::string> lines_;
    std::vector<SectionHeader> sections_;
};

// Reads an INI integer as ReadInteger does. Returns false for empty or unparsable text or a
// value that does not fit 32 bits (hexadecimal up to FFFFFFFF wraps to a negative value, as
// colours are sometimes written that way).
bool ParseIniInteger(std::string_view text, std::int32_t& value);

}  // namespace aw::skin
