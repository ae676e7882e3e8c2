#include "platform/processes.h"

#include "platform/handle.h"
#include "platform/wide_text.h"

#include <tlhelp32.h>

namespace aw {

std::vector<RunningProcess> RunningProcesses()
{
    std::vector<RunningProcess> processes;
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry))
        processes.push_back(
            RunningProcess{entry.th32ProcessID, Utf8FromWide(std::wstring_view(entry.szExeFile, wcsnlen(entry.szExeFile, MAX_PATH)))});
    return processes;
}

} // namespace aw
