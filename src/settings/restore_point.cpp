#include "settings/restore_point.h"

#include "platform/folder_services.h"
#include "platform/handle.h"

#include <windows.h>

#include <cstring>

namespace aw {

namespace {

#pragma pack(push, 1)
struct RestorePointRequest {
    DWORD EventType;
    DWORD RestorePointType;
    INT64 SequenceNumber;
    char Description[64];
};
struct RestorePointAnswer {
    DWORD Status;
    INT64 SequenceNumber;
};
#pragma pack(pop)

static_assert(sizeof(RestorePointRequest) == 80, "packed RESTOREPOINTINFOA");

constexpr DWORD kBeginSystemChange = 100;
constexpr DWORD kApplicationInstall = 0;

using SetRestorePointFunction = BOOL(WINAPI*)(RestorePointRequest*, RestorePointAnswer*);

} // namespace

bool CreateRestorePoint()
{
    std::string system = GetSystemFolder();
    if (system.empty())
        return false;
    // Never by bare name: the search order could find a planted copy elsewhere.
    UniqueLibrary library(LoadLibraryA((system + "\\srclient.dll").c_str()));
    if (!library)
        return false;
    auto setRestorePoint =
        reinterpret_cast<SetRestorePointFunction>(GetProcAddress(library.Get(), "SRSetRestorePointA"));
    if (!setRestorePoint)
        return false;

    RestorePointRequest request{};
    request.EventType = kBeginSystemChange;
    request.RestorePointType = kApplicationInstall;
    request.SequenceNumber = 0;
    std::strncpy(request.Description, "SYSTEM RESTORE POINT", sizeof request.Description - 1);
    RestorePointAnswer answer{};
    return setRestorePoint(&request, &answer) != FALSE;
}

} // namespace aw
