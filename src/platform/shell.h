#pragma once
// Asking the shell to open a file, folder, program or address, and the program's own command
// line.
#include <string>
#include <vector>

namespace aw {

// ShellExecuteW with the verb "open"; true when the shell started something. The target is
// UTF-8 and may name any file.
bool OpenWithShell(const std::string& target, int show);

// The arguments the program was started with, after its own name, in UTF-8 (so a file named
// in them may have any name).
std::vector<std::string> ProgramArguments();

} // namespace aw
