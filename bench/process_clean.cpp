// The whole program against a bare delete loop: "Ashwarden.exe -clean" removing 20,000 files of
// 4 KB from one Chrome cache folder (a files row over one flat folder, as real caches are),
// timed as a whole process against this program run again as a bare FindFirstFileA/DeleteFileA
// loop over the same folder. Interleaved rounds, the order alternating; medians and their ratio.
// Also the processor time of Ashwarden's main thread during each clean, sampled until the
// process ends, and each program run once more over the empty folder: what a run costs
// whatever it removes (start, settings, locations, exit), and so what each file costs.
//
// It deletes files, so it runs only inside the test sandbox (scripts/bench.sh):
//   process_clean_bench.exe <folder holding Ashwarden.exe> [rounds]
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 20000;
constexpr DWORD kFileBytes = 4096;

std::string LocalAppData()
{
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path)) ? std::string(path) : std::string();
}

std::string CacheFolder()
{
    return LocalAppData() + "\\Google\\Chrome\\User Data\\Default\\Cache";
}

void MakeFolders(const std::string& path)
{
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

void Seed(const std::string& folder)
{
    MakeFolders(folder);
    static const std::string content(kFileBytes, 'c');
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = folder + "\\f_" + std::to_string(i);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        DWORD written = 0;
        WriteFile(h, content.data(), kFileBytes, &written, nullptr);
        CloseHandle(h);
    }
}

int BareLoop(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int deleted = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && DeleteFileA((folder + "\\" + data.cFileName).c_str()))
            ++deleted;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return deleted;
}

int CountFiles(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int files = 0;
    do {
        files += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

double CpuSeconds(const FILETIME& kernel, const FILETIME& user)
{
    auto ticks = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

struct Timed {
    double Seconds = -1;
    double MainThreadCpu = -1; // the child's first thread, sampled until it ended
};

Timed RunProcess(std::string command)
{
    Timed timed;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto t0 = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return timed;
    // The main thread's times are read while it lives: once a process has gone, the system
    // may no longer know them.
    for (;;) {
        FILETIME created, exited, kernel, user;
        if (GetThreadTimes(info.hThread, &created, &exited, &kernel, &user))
            timed.MainThreadCpu = CpuSeconds(kernel, user);
        if (WaitForSingleObject(info.hProcess, 20) == WAIT_OBJECT_0)
            break;
    }
    timed.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return timed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool WriteText(const std::string& path, const char* text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr) != FALSE;
    CloseHandle(h);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES || !std::getenv("AW_SOURCE_DIR")) {
        std::fprintf(stderr, "process_clean_bench: refusing to run outside the test sandbox\n");
        return 2;
    }
    if (argc > 2 && std::strcmp(argv[1], "--bare") == 0)
        return BareLoop(argv[2]) > 0 ? 0 : 1;
    if (argc < 2 || LocalAppData().empty()) {
        std::fprintf(stderr, "usage: process_clean_bench <folder holding Ashwarden.exe> [rounds]\n");
        return 2;
    }
    const std::string appFolder = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    // The saved selection, Chrome's cache alone, loaded by the "-clean" start.
    if (!WriteText(appFolder + "\\Settings.ini", "[Options]\r\nCheckBox8=-1\r\n") ||
        !WriteText(appFolder + "\\Traces.ini", "[Google Chrome]\r\nCache=True\r\n")) {
        std::fprintf(stderr, "process_clean_bench: cannot write the program's settings\n");
        return 2;
    }
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string cache = CacheFolder();
    const std::string program = "\"" + appFolder + "\\Ashwarden.exe\" -clean";
    const std::string bare = std::string("\"") + self + "\" --bare \"" + cache + "\"";

    std::vector<double> whole, loop, ratios, mainCpu, wholeEmpty, loopEmpty;
    int left = 0;
    auto timeEmpty = [&] {
        MakeFolders(cache);
        wholeEmpty.push_back(RunProcess(program).Seconds);
        loopEmpty.push_back(RunProcess(bare).Seconds);
    };
    auto timeProgram = [&] {
        Seed(cache);
        const Timed t = RunProcess(program);
        whole.push_back(t.Seconds);
        mainCpu.push_back(t.MainThreadCpu);
        left += CountFiles(cache);
    };
    auto timeBare = [&] {
        Seed(cache);
        loop.push_back(RunProcess(bare).Seconds);
        left += CountFiles(cache);
    };
    for (int r = 0; r < rounds; ++r) {
        if (r % 2 == 0) {
            timeProgram();
            timeBare();
        } else {
            timeBare();
            timeProgram();
        }
        timeEmpty();
        ratios.push_back(whole.back() / loop.back());
        std::printf("round %d: Ashwarden -clean %.3f s (main thread %.3f s of processor), bare loop %.3f s, ratio %.3f\n",
                    r + 1, whole.back(), mainCpu.back(), loop.back(), ratios.back());
        std::fflush(stdout);
    }
    std::printf("%d files of %lu bytes per round, %d left over all rounds\n", kFiles,
                static_cast<unsigned long>(kFileBytes), left);
    std::printf("Ashwarden -clean: median %.3f s, best %.3f s; main thread's processor time median %.3f s\n",
                Median(whole), *std::min_element(whole.begin(), whole.end()), Median(mainCpu));
    std::printf("bare loop:        median %.3f s, best %.3f s\n", Median(loop), *std::min_element(loop.begin(), loop.end()));
    std::printf("ratio (whole program / bare loop): median of the rounds' ratios %.3f, of the medians %.3f\n",
                Median(ratios), Median(whole) / Median(loop));
    const double fixedProgram = Median(wholeEmpty), fixedBare = Median(loopEmpty);
    std::printf("over the empty folder: Ashwarden -clean median %.3f s, bare loop %.3f s\n", fixedProgram, fixedBare);
    std::printf("per file, without those: Ashwarden %.1f us, bare loop %.1f us, ratio %.3f\n",
                (Median(whole) - fixedProgram) / kFiles * 1e6, (Median(loop) - fixedBare) / kFiles * 1e6,
                (Median(whole) - fixedProgram) / (Median(loop) - fixedBare));
    return 0;
}
