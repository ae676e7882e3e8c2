// Where the time of deleting one found file goes: each step of the checked removal (open, the
// kernel's name of the open file, the deletion mark, close) timed on its own against the
// alternatives, and whole removals of a seeded tree timed one way or another.
//
// It deletes what it seeds, so it runs only inside the test sandbox, e.g.
//   scripts/wine-sandbox.sh "$PWD/build/bench-win/bench/removal_steps.exe" seed steps seed sequence
// (seed again before each step that deletes: seed delete1 seed remove1 seed remove2 ...).
// Every argument is one step, carried out in order:
//   seed          writes 20 folders of 1,000 files
//   steps         times, file by file, every way of opening and asking about a file (deletes nothing)
//   sequence      deletes the seeded files the way the cleaner does, timing each step
//   deleteN       deletes them with DeleteFileA on N threads (each thread a part of every folder)
//   removeN       deletes them through RemoveFoundFile on N threads, joined after every folder
//   relative      the cleaner's sequence, each file opened relative to its folder's handle
//   pipeline      a second thread opens, checks and marks each file; the first closes them
//   walk          walks the seeded tree with a sink that removes nothing
//   unseed        deletes what is left
// Each step prints its time per file, then its wall time and this process's own CPU time (the
// rest is Wine's server and waiting).
#include "cleaner/clean_sink.h"
#include "cleaner/file_removal.h"
#include "cleaner/folder_tree.h"
#include "platform/folder_services.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kFolders = 20;
constexpr int kPerFolder = 1000;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kAccess = DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES; // the cleaner's
constexpr ULONG kOpenReparsePoint = 0x00200000;
constexpr int kObjectNameInformation = 1;
constexpr int kFileInternalInformation = 6;

using Clock = std::chrono::steady_clock;

// As deep below the drive as a browser's cache: the kernel's name of a file costs more the
// deeper it lies.
const std::string& Root()
{
    static const std::string root =
        aw::GetSpecialFolder(aw::kCsidlLocalAppData) + "\\Comodo\\Dragon\\User Data\\Default\\Steps";
    return root;
}

std::string Folder(int d)
{
    return Root() + "\\index-" + std::to_string(d) + "\\";
}

std::string Name(int i)
{
    return "entry_" + std::to_string(i);
}

std::vector<std::string> Paths(int d)
{
    std::vector<std::string> paths;
    for (int i = 0; i < kPerFolder; ++i)
        paths.push_back(Folder(d) + Name(i));
    return paths;
}

std::vector<std::wstring> WideNames()
{
    std::vector<std::wstring> names;
    for (int i = 0; i < kPerFolder; ++i) {
        const std::string name = Name(i);
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

void Seed()
{
    std::string base = aw::GetSpecialFolder(aw::kCsidlLocalAppData);
    for (const char* part : {"\\Comodo", "\\Dragon", "\\User Data", "\\Default", "\\Steps"}) {
        base += part;
        CreateDirectoryA(base.c_str(), nullptr);
    }
    for (int d = 0; d < kFolders; ++d) {
        CreateDirectoryA(Folder(d).c_str(), nullptr);
        for (const std::string& path : Paths(d)) {
            HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                DWORD written = 0;
                WriteFile(h, "cache entry", 11, &written, nullptr);
                CloseHandle(h);
            }
        }
    }
}

void Unseed()
{
    for (int d = 0; d < kFolders; ++d) {
        for (const std::string& path : Paths(d))
            DeleteFileA(path.c_str());
        RemoveDirectoryA(Folder(d).c_str());
    }
}

// Time spent in one step, over the files it was taken for.
struct Cost {
    const char* What;
    Clock::duration Total{};
    int Files = 0;
    void add(Clock::duration d, int files = 1)
    {
        Total += d;
        Files += files;
    }
};

void Print(std::initializer_list<const Cost*> costs)
{
    for (const Cost* cost : costs)
        std::printf("  %-60s %8.2f us/file\n", cost->What,
                    cost->Files ? std::chrono::duration<double, std::micro>(cost->Total).count() / cost->Files : 0.0);
}

using NtQueryObjectFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
using NtOpenFileFn = LONG(WINAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*, IO_STATUS_BLOCK*, ULONG, ULONG);
using NtQueryInformationFileFn = LONG(WINAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, int);

template <class F> F Ntdll(const char* name)
{
    return reinterpret_cast<F>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name));
}

// Opens `name` relative to the folder's handle; null when it fails.
HANDLE OpenRelative(HANDLE folder, std::wstring& name)
{
    static const auto open = Ntdll<NtOpenFileFn>("NtOpenFile");
    const auto bytes = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    UNICODE_STRING text{bytes, bytes, name.data()};
    OBJECT_ATTRIBUTES attributes{sizeof attributes, folder, &text, OBJ_CASE_INSENSITIVE, nullptr, nullptr};
    IO_STATUS_BLOCK io;
    HANDLE file = nullptr;
    if (open(&file, kAccess | SYNCHRONIZE, &attributes, &io, kShareAll,
             FILE_NON_DIRECTORY_FILE | FILE_SYNCHRONOUS_IO_NONALERT | kOpenReparsePoint) < 0)
        return nullptr;
    return file;
}

HANDLE OpenFolder(const std::string& folder)
{
    return CreateFileA(folder.c_str(), FILE_TRAVERSE | SYNCHRONIZE, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

void Steps()
{
    const auto queryObject = Ntdll<NtQueryObjectFn>("NtQueryObject");
    const auto queryFile = Ntdll<NtQueryInformationFileFn>("NtQueryInformationFile");
    Cost find{"FindFirstFileA/FindNextFileA, per entry"}, anchor{"FolderAnchor, per entry of its folder"},
        open{"CreateFileA, the cleaner's access and flags"}, objectName{"NtQueryObject(ObjectNameInformation)"},
        fileName{"GetFileInformationByHandleEx(FileNameInfo)"},
        fileId{"NtQueryInformationFile(FileInternalInformation)"}, close{"CloseHandle"},
        attributes{"GetFileAttributesA"}, relative{"NtOpenFile relative to the folder's handle"},
        relativeClose{"  its CloseHandle"};
    alignas(8) char buffer[4096];
    for (int d = 0; d < kFolders; ++d) {
        const std::vector<std::string> paths = Paths(d);
        std::vector<std::wstring> names = WideNames();
        auto t = Clock::now();
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA((Folder(d) + "*.*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            while (FindNextFileA(search, &data)) {
            }
            FindClose(search);
        }
        find.add(Clock::now() - t, kPerFolder);
        t = Clock::now();
        { const aw::FolderAnchor folderAnchor(Folder(d)); }
        anchor.add(Clock::now() - t, kPerFolder);

        HANDLE folder = OpenFolder(Folder(d));
        for (int i = 0; i < kPerFolder; ++i) {
            const auto t0 = Clock::now();
            HANDLE file = CreateFileA(paths[i].c_str(), kAccess, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            const auto t1 = Clock::now();
            ULONG got = 0;
            queryObject(file, kObjectNameInformation, buffer, sizeof buffer, &got);
            const auto t2 = Clock::now();
            GetFileInformationByHandleEx(file, FileNameInfo, buffer, sizeof buffer);
            const auto t3 = Clock::now();
            IO_STATUS_BLOCK io;
            LARGE_INTEGER id;
            queryFile(file, &io, &id, sizeof id, kFileInternalInformation);
            const auto t4 = Clock::now();
            CloseHandle(file);
            const auto t5 = Clock::now();
            GetFileAttributesA(paths[i].c_str());
            const auto t6 = Clock::now();
            file = OpenRelative(folder, names[i]);
            const auto t7 = Clock::now();
            if (file)
                CloseHandle(file);
            const auto t8 = Clock::now();
            open.add(t1 - t0);
            objectName.add(t2 - t1);
            fileName.add(t3 - t2);
            fileId.add(t4 - t3);
            close.add(t5 - t4);
            attributes.add(t6 - t5);
            relative.add(t7 - t6);
            relativeClose.add(t8 - t7);
        }
        CloseHandle(folder);
    }
    Print({&find, &anchor, &open, &objectName, &fileName, &fileId, &close, &attributes, &relative, &relativeClose});
}

void Sequence()
{
    const auto queryObject = Ntdll<NtQueryObjectFn>("NtQueryObject");
    Cost open{"CreateFileA"}, name{"NtQueryObject(ObjectNameInformation)"},
        mark{"SetFileInformationByHandle(FileDispositionInfo)"}, close{"CloseHandle of the marked file"};
    alignas(8) char buffer[4096];
    for (int d = 0; d < kFolders; ++d) {
        for (const std::string& path : Paths(d)) {
            const auto t0 = Clock::now();
            HANDLE file = CreateFileA(path.c_str(), kAccess, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            const auto t1 = Clock::now();
            ULONG got = 0;
            queryObject(file, kObjectNameInformation, buffer, sizeof buffer, &got);
            const auto t2 = Clock::now();
            FILE_DISPOSITION_INFO disposition{TRUE};
            SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
            const auto t3 = Clock::now();
            CloseHandle(file);
            const auto t4 = Clock::now();
            open.add(t1 - t0);
            name.add(t2 - t1);
            mark.add(t3 - t2);
            close.add(t4 - t3);
        }
    }
    Print({&open, &name, &mark, &close});
}

// Runs work(part, parts) for every folder on `threads` threads, joined after each folder.
template <class Work> void OnThreads(const char* what, int threads, Work work)
{
    Cost cost{what};
    for (int d = 0; d < kFolders; ++d) {
        const auto t = Clock::now();
        std::vector<std::thread> pool;
        for (int k = 1; k < threads; ++k)
            pool.emplace_back(work, d, k, threads);
        work(d, 0, threads);
        for (std::thread& thread : pool)
            thread.join();
        cost.add(Clock::now() - t, kPerFolder);
    }
    std::printf("  %d thread(s):\n", threads);
    Print({&cost});
}

void Delete(int threads)
{
    std::vector<std::vector<std::string>> paths;
    for (int d = 0; d < kFolders; ++d)
        paths.push_back(Paths(d));
    OnThreads("DeleteFileA", threads, [&](int d, int part, int parts) {
        for (int i = part * kPerFolder / parts; i < (part + 1) * kPerFolder / parts; ++i)
            DeleteFileA(paths[d][i].c_str());
    });
}

void Remove(int threads)
{
    std::vector<std::vector<std::string>> paths;
    for (int d = 0; d < kFolders; ++d)
        paths.push_back(Paths(d));
    std::atomic<int> removed{0};
    OnThreads("RemoveFoundFile", threads, [&](int d, int part, int parts) {
        const aw::FolderAnchor anchor(Folder(d));
        for (int i = part * kPerFolder / parts; i < (part + 1) * kPerFolder / parts; ++i)
            if (aw::RemoveFoundFile(anchor, paths[d][i], Name(i), FILE_ATTRIBUTE_ARCHIVE) == aw::Removal::Removed)
                removed.fetch_add(1, std::memory_order_relaxed);
    });
    std::printf("  removed %d\n", removed.load());
}

void Relative()
{
    const auto queryObject = Ntdll<NtQueryObjectFn>("NtQueryObject");
    Cost cost{"open relative to the folder, name, mark, close"};
    alignas(8) char buffer[4096];
    for (int d = 0; d < kFolders; ++d) {
        std::vector<std::wstring> names = WideNames();
        const auto t = Clock::now();
        HANDLE folder = OpenFolder(Folder(d));
        for (std::wstring& name : names) {
            if (HANDLE file = OpenRelative(folder, name)) {
                ULONG got = 0;
                queryObject(file, kObjectNameInformation, buffer, sizeof buffer, &got);
                FILE_DISPOSITION_INFO disposition{TRUE};
                SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
                CloseHandle(file);
            }
        }
        CloseHandle(folder);
        cost.add(Clock::now() - t, kPerFolder);
    }
    Print({&cost});
}

// A second thread opens, names and marks; this one closes what it has marked, so that a close
// request can be under way while the other thread's next open is.
void Pipeline()
{
    const auto queryObject = Ntdll<NtQueryObjectFn>("NtQueryObject");
    Cost cost{"pipeline: one thread opens, names and marks, the other closes"};
    constexpr int kRing = 256;
    std::vector<HANDLE> ring(kRing);
    for (int d = 0; d < kFolders; ++d) {
        const std::vector<std::string> paths = Paths(d);
        const auto t = Clock::now();
        std::atomic<int> produced{0}, consumed{0};
        std::thread worker([&] {
            alignas(8) char buffer[4096];
            for (int i = 0; i < kPerFolder; ++i) {
                while (i - consumed.load(std::memory_order_acquire) >= kRing)
                    SwitchToThread();
                HANDLE file = CreateFileA(paths[i].c_str(), kAccess, kShareAll, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
                ULONG got = 0;
                queryObject(file, kObjectNameInformation, buffer, sizeof buffer, &got);
                FILE_DISPOSITION_INFO disposition{TRUE};
                SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
                ring[i % kRing] = file;
                produced.store(i + 1, std::memory_order_release);
            }
        });
        for (int done = 0; done < kPerFolder;) {
            const int ready = produced.load(std::memory_order_acquire);
            if (ready == done) {
                SwitchToThread();
                continue;
            }
            for (; done < ready; ++done)
                CloseHandle(ring[done % kRing]);
            consumed.store(done, std::memory_order_release);
        }
        worker.join();
        cost.add(Clock::now() - t, kPerFolder);
    }
    Print({&cost});
}

// Removes nothing, counts what it is handed: the walk's own cost.
class CountingSink final : public aw::CleanSink {
public:
    int Files = 0;
    void beginCategory(std::string_view, std::string_view) override {}
    aw::Removal removeFile(const aw::FolderAnchor&, const std::string&, std::string_view, DWORD,
                           std::int64_t) override
    {
        ++Files;
        return aw::Removal::Removed;
    }
    bool removeFolder(const std::string&) override { return false; }
    bool removeKey(HKEY, const std::string&) override { return false; }
    bool removeValue(HKEY, const std::string&) override { return false; }
    void cleanDatabase(aw::DatabaseClean, const std::string&, aw::CleanCounters&) override {}
    void runSystemAction(aw::SystemAction, HWND) override {}
    std::int64_t cleanSiteDatabase(aw::SiteDatabase, const std::string&, const aw::KeepList&,
                                   aw::CleanCounters&) override
    {
        return -1;
    }
    std::int64_t cleanLocalStorage(const std::string&, const aw::KeepList&, aw::CleanCounters&) override { return -1; }
    void keepSiteStorage(const std::string&) override {}
};

void Walk()
{
    Cost cost{"DeleteFolderTree walk, removing nothing (listing included)"};
    CountingSink sink;
    aw::CleanCounters counters;
    const auto t = Clock::now();
    aw::DeleteFolderTree(Root(), "*.*", false, counters, sink);
    cost.add(Clock::now() - t, sink.Files);
    Print({&cost});
}

double Seconds(FILETIME time)
{
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           1e7;
}

} // namespace

int main(int argc, char** argv)
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "removal_steps: refusing to run outside the test sandbox\n");
        return 2;
    }
    for (int a = 1; a < argc; ++a) {
        const std::string step = argv[a];
        std::printf("%s\n", step.c_str());
        std::fflush(stdout);
        FILETIME created, exited, kernel0, user0, kernel1, user1;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel0, &user0);
        const auto t = Clock::now();
        if (step == "seed")
            Seed();
        else if (step == "unseed")
            Unseed();
        else if (step == "steps")
            Steps();
        else if (step == "sequence")
            Sequence();
        else if (step.rfind("delete", 0) == 0)
            Delete(std::max(1, std::atoi(step.c_str() + 6)));
        else if (step.rfind("remove", 0) == 0)
            Remove(std::max(1, std::atoi(step.c_str() + 6)));
        else if (step == "relative")
            Relative();
        else if (step == "pipeline")
            Pipeline();
        else if (step == "walk")
            Walk();
        else
            std::printf("  unknown step\n");
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel1, &user1);
        std::printf("  %.2f s wall, this process %.2f s user + %.2f s kernel\n",
                    std::chrono::duration<double>(Clock::now() - t).count(), Seconds(user1) - Seconds(user0),
                    Seconds(kernel1) - Seconds(kernel0));
        std::fflush(stdout);
    }
    return 0;
}
