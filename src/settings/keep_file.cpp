#include "settings/keep_file.h"

#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/handle.h"
#include "platform/open_file.h"
#include "platform/wide_text.h"

#include <windows.h>

namespace aw {

std::string KeepFilePath()
{
    return GetExeFolder() + "Keep.ini";
}

KeepListReading ReadKeepFile()
{
    const std::string path = KeepFilePath();
    if (!PathExists(path))
        return {};
    std::string text;
    // One byte beyond the largest list read, so that a larger file is told apart.
    if (!ReadFileStart(path, kMaxKeepListBytes + 1, text)) {
        KeepListReading unreadable;
        unreadable.State = KeepListState::Unusable;
        return unreadable;
    }
    return ReadKeepList(text);
}

bool WriteKeepFile(const KeepList& list)
{
    const std::string path = KeepFilePath();
    const std::string fresh = path + ".new";
    const std::string text = KeepListFileText(list);
    {
        UniqueHandle file = OpenFile(fresh, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file)
            return false;
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size() || !FlushFileBuffers(file.Get()))
            return false;
    }
    std::optional<std::wstring> from = WidePath(fresh);
    std::optional<std::wstring> to = WidePath(path);
    return from && to && MoveFileExW(from->c_str(), to->c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace aw
