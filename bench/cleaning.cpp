// Cleaning throughput and memory: a cache of 20,000 files deleted by a cleaning run against a
// bare FindFirstFileA/DeleteFileA loop over the same tree, in the same prefix.
//  - Time: interleaved rounds (the order alternates), median and best of each side and their
//    ratio (run / bare loop).
//  - Memory: each side cleans in a process of its own, at 20,000 and at 100,000 files, and
//    reports its peak working set and peak private bytes, and how far each grew during the clean.
//
// It deletes files, so it runs only inside the test sandbox, e.g. while scripts/test.sh has
// the sandbox up, or after it:
//   scripts/wine-sandbox.sh "$PWD/build/win/bench/cleaning_bench.exe" [rounds]
#include "cleaner/clean_run.h"
#include "platform/folder_services.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMaxTopLevelFiles = 10000;
constexpr int kFilesPerSubFolder = 1000;
constexpr int kTimedFiles = 20000;

std::string DragonFolder()
{
    return aw::GetSpecialFolder(aw::kCsidlLocalAppData) + "\\Comodo";
}

std::string CacheFolder()
{
    return DragonFolder() + "\\Dragon\\User Data\\Default\\Cache";
}

// Up to 10,000 files at the top of the cache (half of them for the timed 20,000), the rest in
// sub-folders of 1,000 each. Wine looks a new name up case-blind through the whole folder, so
// one folder of 100,000 would time the seeding, not the cleaning.
void Seed(const std::string& cache, int files)
{
    CreateDirectoryA(cache.c_str(), nullptr);
    auto write = [](const std::string& path) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(h, "cache entry", 11, &written, nullptr);
            CloseHandle(h);
        }
    };
    const int top = std::min(files / 2, kMaxTopLevelFiles), perSub = kFilesPerSubFolder;
    const int subFolders = (files - top) / perSub;
    for (int i = 0; i < top; ++i)
        write(cache + "\\f_" + std::to_string(i));
    for (int d = 0; d < subFolders; ++d) {
        std::string sub = cache + "\\index-" + std::to_string(d);
        CreateDirectoryA(sub.c_str(), nullptr);
        for (int i = 0; i < perSub; ++i)
            write(sub + "\\entry_" + std::to_string(i));
    }
}

// The plainest deletion of the same tree: search, delete, recurse, remove the sub-folders.
void BareLoop(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            BareLoop(path);
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

int CleanWithRun()
{
    aw::CleanRequest request;
    request.Selection = aw::TraceSelection::Named({{"Comodo Dragon", "Cache"}});
    aw::CleanCounters counters;
    aw::RunCleaning(request, counters);
    return counters.FilesDeleted;
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

PROCESS_MEMORY_COUNTERS_EX Memory()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters;
}

// In the child: cleans the seeded cache one way and prints "<peak ws> <peak private> <ws growth>
// <private growth>" in KiB, growth being the peak during the clean less the use before it.
int ChildClean(bool run)
{
    const PROCESS_MEMORY_COUNTERS_EX before = Memory();
    if (run)
        CleanWithRun();
    else
        BareLoop(CacheFolder());
    const PROCESS_MEMORY_COUNTERS_EX after = Memory();
    auto kib = [](SIZE_T bytes) { return static_cast<long long>(bytes / 1024); };
    std::printf("%lld %lld %lld %lld\n", kib(after.PeakWorkingSetSize), kib(after.PeakPagefileUsage),
                kib(after.PeakWorkingSetSize) - kib(before.WorkingSetSize),
                kib(after.PeakPagefileUsage) - kib(before.PagefileUsage));
    return 0;
}

struct ChildMemory {
    long long PeakWorkingSet = -1, PeakPrivate = -1, WorkingSetGrowth = -1, PrivateGrowth = -1;
};

// Runs this program again to clean the seeded cache one way, and reads what it reports.
ChildMemory CleanInChild(bool run)
{
    ChildMemory result;
    char self[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, self, sizeof self))
        return result;
    std::string command = std::string("\"") + self + "\" --child " + (run ? "run" : "bare");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(info.hProcess, INFINITE);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    CloseHandle(readEnd);
    std::sscanf(output.c_str(), "%lld %lld %lld %lld", &result.PeakWorkingSet, &result.PeakPrivate,
                &result.WorkingSetGrowth, &result.PrivateGrowth);
    return result;
}

void PrintMemory(const char* who, const ChildMemory& m)
{
    std::printf("  %-13s peak working set %7lld KiB (+%lld during the clean), peak private %7lld KiB (+%lld)\n",
                who, m.PeakWorkingSet, m.WorkingSetGrowth, m.PeakPrivate, m.PrivateGrowth);
    std::fflush(stdout);
}

void MakeDragonFolders()
{
    const std::string dragon = DragonFolder();
    for (const char* part : {"", "\\Dragon", "\\Dragon\\User Data", "\\Dragon\\User Data\\Default"})
        CreateDirectoryA((dragon + part).c_str(), nullptr);
}

void RemoveDragonFolders()
{
    BareLoop(DragonFolder());
    RemoveDirectoryA(DragonFolder().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "cleaning_bench: refusing to run outside the test sandbox\n");
        return 2;
    }
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return ChildClean(std::strcmp(argv[2], "run") == 0);

    // Zero rounds measures the memory only.
    const int rounds = argc > 1 ? std::max(0, std::atoi(argv[1])) : 9;
    const std::string cache = CacheFolder();
    MakeDragonFolders();

    std::vector<double> run, bare, ratios;
    int counted = 0;
    auto timeRun = [&] {
        Seed(cache, kTimedFiles);
        auto t0 = std::chrono::steady_clock::now();
        counted = CleanWithRun();
        run.push_back(Seconds(std::chrono::steady_clock::now() - t0));
    };
    auto timeBare = [&] {
        Seed(cache, kTimedFiles);
        auto t0 = std::chrono::steady_clock::now();
        BareLoop(cache);
        bare.push_back(Seconds(std::chrono::steady_clock::now() - t0));
    };
    // Alternating which goes first keeps a drift of the machine from favouring one side; each
    // round's pair ran back to back, so the ratio within a round is the steadier comparison.
    for (int r = 0; r < rounds; ++r) {
        if (r % 2 == 0) {
            timeRun();
            timeBare();
        } else {
            timeBare();
            timeRun();
        }
        ratios.push_back(run.back() / bare.back());
    }

    if (rounds > 0) {
        std::printf("files per round: %d (%d counted by the run)\n", kTimedFiles, counted);
        std::printf("cleaning run:  median %.3f s, best %.3f s over %d rounds\n", Median(run),
                    *std::min_element(run.begin(), run.end()), rounds);
        std::printf("bare loop:     median %.3f s, best %.3f s over %d rounds\n", Median(bare),
                    *std::min_element(bare.begin(), bare.end()), rounds);
        std::printf("ratio (run / bare loop): median of the rounds' ratios %.3f (lowest %.3f, highest %.3f); "
                    "of the medians %.3f, of the best rounds %.3f\n",
                    Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()), Median(run) / Median(bare),
                    *std::min_element(run.begin(), run.end()) / *std::min_element(bare.begin(), bare.end()));
        std::fflush(stdout);
    }

    // "--time-only" after the rounds leaves the memory out (for comparing builds quickly).
    const bool memory = !(argc > 2 && std::strcmp(argv[2], "--time-only") == 0);
    for (int files : {20000, 100000}) {
        if (!memory)
            break;
        std::printf("memory, %d files, each side in a process of its own:\n", files);
        std::fflush(stdout);
        Seed(cache, files);
        PrintMemory("cleaning run:", CleanInChild(true));
        Seed(cache, files);
        PrintMemory("bare loop:", CleanInChild(false));
    }
    RemoveDragonFolders();
    return 0;
}
