#pragma once
// The processes running on this machine, from the system's wide process snapshot.
#include <windows.h>

#include <string>
#include <vector>

namespace aw {

struct RunningProcess {
    DWORD Id;
    std::string Image; // the executable's file name, UTF-8 ("firefox.exe")
};

// Every process the snapshot lists; empty when the system gives no snapshot.
std::vector<RunningProcess> RunningProcesses();

} // namespace aw
