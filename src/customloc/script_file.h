#pragma once
// Locations.txt: the script as a text file, one line per script line. Written with CR LF after
// every line; read with CR LF, a lone CR and a lone LF each ending a line.
//
// The lines are UTF-8 in the program. A file whose bytes are UTF-8 (with or without a
// byte-order mark) is read as UTF-8; any other is read in the ANSI code page, as files written
// by earlier versions are. A file is written in the ANSI code page when every line can be
// spelt in it exactly, so that it stays as earlier versions and other programs read it, and
// otherwise in UTF-8 without a byte-order mark.
#include <string>
#include <vector>

namespace aw {

// Replaces the list's lines with the file's. When the file cannot be read the list keeps its
// lines and the result is false.
bool LoadLinesFromFile(std::vector<std::string>& lines, const std::string& path);

// Replaces the file's content with the lines, creating the file when missing. Throws
// std::runtime_error, naming the file and the system's reason, when it cannot be written.
void SaveLinesToFile(const std::vector<std::string>& lines, const std::string& path);

} // namespace aw
