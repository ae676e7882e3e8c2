// Start-up time: from CreateProcess to a visible main window, for Ashwarden and for a bare
// Win32 window program, median of several starts, and their ratio.
//
//   startup_bench <Ashwarden.exe> <bare_window.exe> [starts] [pause-ms]
// By default each start follows the end of the one before at once, so a start may overlap the
// system's clean-up after the last; with a pause, every start begins on a settled system.
// Ashwarden scans the profile at every show, so it runs only in a private sandboxed prefix.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD ProcessId;
    bool Visible;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->ProcessId && IsWindowVisible(window)) {
        search->Visible = true;
        return FALSE;
    }
    return TRUE;
}

// Seconds until the program shows a window, or a negative value when it never does. The
// process is ended as soon as it shows one, and `pauseMs` waited after that.
double TimeToWindow(const std::string& program, DWORD pauseMs)
{
    std::string command = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    double seconds = -1;
    for (int i = 0; i < 20000; ++i) {
        Search search{info.dwProcessId, false};
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        if (search.Visible) {
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        Sleep(1);
    }
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    Sleep(pauseMs);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (GetFileAttributesA("Z:\\") != INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "startup_bench: refusing to run outside the sandbox\n");
        return 2;
    }
    if (argc < 3)
        return 2;
    int starts = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    const DWORD pauseMs = argc > 4 ? static_cast<DWORD>(std::max(0, std::atoi(argv[4]))) : 0;
    std::vector<double> program, bare;
    for (int i = 0; i < starts; ++i) {
        program.push_back(TimeToWindow(argv[1], pauseMs));
        bare.push_back(TimeToWindow(argv[2], pauseMs));
    }
    double a = Median(program), b = Median(bare);
    double bestA = *std::min_element(program.begin(), program.end());
    double bestB = *std::min_element(bare.begin(), bare.end());
    std::printf("Ashwarden:   median %.3f s, best %.3f s to a visible window over %d starts\n", a, bestA, starts);
    std::printf("bare window: median %.3f s, best %.3f s\n", b, bestB);
    // On a busy machine single starts can take many times longer; the best starts are the
    // steadier comparison.
    std::printf("ratio (Ashwarden / bare window): median %.2f, best %.2f\n", b > 0 ? a / b : 0.0,
                bestB > 0 ? bestA / bestB : 0.0);
    return 0;
}
