// Cleaning throughput: a cache of 20,000 files deleted by a cleaning run against a bare
// FindFirstFileA/DeleteFileA loop over the same tree, in the same prefix. Prints both times
// and their ratio (run / bare loop).
//
// It deletes files, so it runs only inside the test sandbox, e.g. while scripts/test.sh has
// the sandbox up, or after it:
//   scripts/wine-sandbox.sh "$PWD/build/win/bench/cleaning_bench.exe" [rounds]
#include "cleaner/clean_run.h"
#include "cleaner/folder_services.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kTopLevelFiles = 10000;
constexpr int kSubFolders = 10;
constexpr int kFilesPerSubFolder = 1000;

void Seed(const std::string& cache)
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
    for (int i = 0; i < kTopLevelFiles; ++i)
        write(cache + "\\f_" + std::to_string(i));
    for (int d = 0; d < kSubFolders; ++d) {
        std::string sub = cache + "\\index-" + std::to_string(d);
        CreateDirectoryA(sub.c_str(), nullptr);
        for (int i = 0; i < kFilesPerSubFolder; ++i)
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

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "cleaning_bench: refusing to run outside the test sandbox\n");
        return 2;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string dragon = aw::GetSpecialFolder(aw::kCsidlLocalAppData) + "\\Comodo";
    const std::string cache = dragon + "\\Dragon\\User Data\\Default\\Cache";
    for (const char* part : {"", "\\Dragon", "\\Dragon\\User Data", "\\Dragon\\User Data\\Default"})
        CreateDirectoryA((dragon + part).c_str(), nullptr);

    aw::CleanRequest request;
    request.Selection = {{"Comodo Dragon", "Cache"}};
    std::vector<double> run, bare;
    aw::CleanCounters counters;
    auto timeRun = [&] {
        Seed(cache);
        auto t0 = std::chrono::steady_clock::now();
        aw::RunCleaning(request, counters);
        run.push_back(Seconds(std::chrono::steady_clock::now() - t0));
    };
    auto timeBare = [&] {
        Seed(cache);
        auto t0 = std::chrono::steady_clock::now();
        BareLoop(cache);
        bare.push_back(Seconds(std::chrono::steady_clock::now() - t0));
    };
    // Alternating which goes first keeps a drift of the machine from favouring one side.
    for (int r = 0; r < rounds; ++r) {
        if (r % 2 == 0) {
            timeRun();
            timeBare();
        } else {
            timeBare();
            timeRun();
        }
    }
    BareLoop(dragon);
    RemoveDirectoryA(dragon.c_str());

    std::sort(run.begin(), run.end());
    std::sort(bare.begin(), bare.end());
    double runMedian = run[run.size() / 2], bareMedian = bare[bare.size() / 2];
    std::printf("files per round: %d (%d counted by the run)\n", kTopLevelFiles + kSubFolders * kFilesPerSubFolder,
                counters.FilesDeleted);
    std::printf("cleaning run:  median %.3f s, best %.3f s over %d rounds\n", runMedian, run.front(), rounds);
    std::printf("bare loop:     median %.3f s, best %.3f s over %d rounds\n", bareMedian, bare.front(), rounds);
    // On a busy machine single rounds can take many times longer; the best rounds are the
    // steadier comparison.
    std::printf("ratio (run / bare loop): median %.3f, best %.3f\n", runMedian / bareMedian, run.front() / bare.front());
    return 0;
}
