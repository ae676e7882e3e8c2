#include "platform/open_file.h"

#include "platform/unicode_text.h"
#include "platform/wide_text.h"

#include <algorithm>
#include <memory>

namespace aw {

namespace {

// ntdll's object-name query answers at the cost of one request; GetFinalPathNameByHandleW asks
// the same and then searches every drive letter for the volume, which would make it the
// dearest step of deleting a file. It is the fallback.
using QueryObjectFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
constexpr int kObjectNameInformation = 1;

struct CountedName { // the kernel's UNICODE_STRING, followed by its characters
    USHORT Length;
    USHORT MaximumLength;
    wchar_t* Buffer;
};
// The longest name a UNICODE_STRING holds, and its terminator.
constexpr std::size_t kLargestNameAnswer = sizeof(CountedName) + 0x10000 + sizeof(wchar_t);
// Room on the stack for the names of nearly every file: the walk asks once per file.
constexpr std::size_t kCommonNameAnswer = sizeof(CountedName) + 2 * (MAX_PATH + 64) * sizeof(wchar_t);

QueryObjectFn ObjectNameQuery()
{
    static const QueryObjectFn query = [] {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        return ntdll ? reinterpret_cast<QueryObjectFn>(GetProcAddress(ntdll, "NtQueryObject")) : nullptr;
    }();
    return query;
}

// The answers that mean "more room": STATUS_BUFFER_OVERFLOW, STATUS_INFO_LENGTH_MISMATCH,
// STATUS_BUFFER_TOO_SMALL.
bool AsksForRoom(LONG status)
{
    return status == static_cast<LONG>(0x80000005) || status == static_cast<LONG>(0xC0000004) ||
           status == static_cast<LONG>(0xC0000023);
}

// The system's answer; the name is appended when it is a success.
LONG AskObjectName(QueryObjectFn query, HANDLE handle, void* buffer, ULONG size, std::string& name, ULONG& needed)
{
    needed = 0;
    const LONG status = query(handle, kObjectNameInformation, buffer, size, &needed);
    if (status >= 0) {
        const auto* answer = static_cast<const CountedName*>(buffer);
        AppendUtf8(name, answer->Buffer, answer->Length / sizeof(wchar_t));
    }
    return status;
}

} // namespace

UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags)
{
    std::optional<std::wstring> wide = path.empty() ? std::nullopt : WidePath(path);
    if (!wide) {
        SetLastError(ERROR_INVALID_NAME);
        return UniqueHandle();
    }
    return UniqueHandle(CreateFileW(wide->c_str(), access, share, nullptr, disposition, flags, nullptr));
}

bool ResolvedNameOf(HANDLE handle, std::string& name)
{
    name.clear();
    if (QueryObjectFn query = ObjectNameQuery()) {
        alignas(CountedName) char common[kCommonNameAnswer];
        ULONG needed = 0;
        const LONG status = AskObjectName(query, handle, common, sizeof common, name, needed);
        if (status >= 0)
            return !name.empty();
        if (!AsksForRoom(status))
            return false;
        // A long name: once more with the room the system asked for, or room for any name
        // (new[] aligns for any type).
        const ULONG size = needed > sizeof common && needed < kLargestNameAnswer ? needed
                                                                                 : static_cast<ULONG>(kLargestNameAnswer);
        std::unique_ptr<char[]> large(new char[size]);
        return AskObjectName(query, handle, large.get(), size, name, needed) >= 0 && !name.empty();
    }
    std::wstring buffer(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetFinalPathNameByHandleW(handle, buffer.data(), size, FILE_NAME_NORMALIZED | VOLUME_NAME_NT);
        if (length == 0)
            return false;
        if (length < size) {
            AppendUtf8(name, buffer.data(), length);
            return true;
        }
        buffer.assign(length + 1, L'\0');
    }
    return false;
}

bool ReadFileStart(const std::string& path, std::size_t limit, std::string& text)
{
    text.clear();
    UniqueHandle file =
        OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!file)
        return false;
    text.resize(limit);
    std::size_t done = 0;
    while (done < limit) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(limit - done, 1 << 20));
        if (!ReadFile(file.Get(), text.data() + done, want, &got, nullptr)) {
            text.clear();
            return false;
        }
        if (got == 0)
            break;
        done += got;
    }
    text.resize(done);
    return true;
}

} // namespace aw
