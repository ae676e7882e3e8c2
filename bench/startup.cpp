// Start-up time: from CreateProcess to a visible main window, for Ashwarden and for a bare
// Win32 window program, median of several starts, and their ratio.
//
//   startup_bench <Ashwarden.exe> <bare_window.exe> [starts] [pause-ms] [tree-items]
// With tree-items, Ashwarden's starts also time how long its tree takes to hold more than that
// many items (the built-in groups and categories) and then to stop growing: with a rule file
// beside the program, the moment all its entries have joined the tree. By default each start follows the end of the one before at once, so a start may overlap the
// system's clean-up after the last; with a pause, every start begins on a settled system.
// Ashwarden scans the profile at every show, so it runs only in a private sandboxed prefix.
#include <windows.h>
#include <commctrl.h>

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

struct TreeSearch {
    DWORD ProcessId;
    HWND Tree;
};

BOOL CALLBACK FindTreeIn(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<TreeSearch*>(data);
    char name[32] = {};
    if (GetClassNameA(child, name, sizeof name) && lstrcmpA(name, "SysTreeView32") == 0) {
        search->Tree = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTree(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TreeSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->ProcessId && IsWindowVisible(window))
        EnumChildWindows(window, FindTreeIn, data);
    return search->Tree == nullptr;
}

// The number of items in the process's tree view, 0 when it has none yet.
LRESULT TreeItems(DWORD processId)
{
    TreeSearch search{processId, nullptr};
    EnumWindows(FindTree, reinterpret_cast<LPARAM>(&search));
    return search.Tree ? SendMessageA(search.Tree, TVM_GETCOUNT, 0, 0) : 0;
}

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
// process is ended as soon as it shows one (with `treeItems`, once its tree holds more items
// than that, the seconds until then in `*toItems`), and `pauseMs` waited after that.
double TimeToWindow(const std::string& program, DWORD pauseMs, LRESULT treeItems = 0, double* toItems = nullptr)
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
    if (seconds >= 0 && treeItems > 0 && toItems) {
        // The entries join the tree one node at a time: the time taken is that of the last
        // change of its item count, once it has held still for two seconds.
        *toItems = -1;
        LRESULT last = 0;
        auto changed = std::chrono::steady_clock::now();
        for (int i = 0; i < 60000; ++i) {
            const LRESULT items = TreeItems(info.dwProcessId);
            const auto now = std::chrono::steady_clock::now();
            if (items != last) {
                last = items;
                changed = now;
            } else if (items > treeItems && now - changed > std::chrono::seconds(2)) {
                *toItems = std::chrono::duration<double>(changed - start).count();
                break;
            }
            Sleep(1);
        }
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
    const LRESULT treeItems = argc > 5 ? std::max(0, std::atoi(argv[5])) : 0;
    std::vector<double> program, bare, items;
    for (int i = 0; i < starts; ++i) {
        double toItems = -1;
        program.push_back(TimeToWindow(argv[1], pauseMs, treeItems, &toItems));
        items.push_back(toItems);
        bare.push_back(TimeToWindow(argv[2], pauseMs));
    }
    double a = Median(program), b = Median(bare);
    double bestA = *std::min_element(program.begin(), program.end());
    double bestB = *std::min_element(bare.begin(), bare.end());
    std::printf("Ashwarden:   median %.3f s, best %.3f s to a visible window over %d starts\n", a, bestA, starts);
    if (treeItems > 0)
        std::printf("Ashwarden:   median %.3f s, best %.3f s until its tree, past %ld items, stops growing\n", Median(items),
                    *std::min_element(items.begin(), items.end()), static_cast<long>(treeItems));
    std::printf("bare window: median %.3f s, best %.3f s\n", b, bestB);
    // On a busy machine single starts can take many times longer; the best starts are the
    // steadier comparison.
    std::printf("ratio (Ashwarden / bare window): median %.2f, best %.2f\n", b > 0 ? a / b : 0.0,
                bestB > 0 ? bestA / bestB : 0.0);
    return 0;
}
