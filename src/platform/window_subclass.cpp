#include "platform/window_subclass.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace aw::subclass {

namespace {

struct Link {
    SUBCLASSPROC proc;
    UINT_PTR id;
    DWORD_PTR data;
    Link* next;
};

struct Chain {
    WNDPROC original = nullptr;
    bool unicode = false;
    Link* first = nullptr;
    // The link the next CallNext hands the message to; saved and restored around each message
    // so that messages sent while one is handled start again at the front. The saved positions
    // of the messages under way are kept here, so that a link removed during a nested message
    // is never handed an outer one afterwards.
    Link* position = nullptr;
    std::vector<Link*> savedPositions;
    int running = 0;
};

std::mutex g_lock;
std::unordered_map<HWND, Chain*> g_chains;

Chain* Find(HWND window)
{
    std::lock_guard<std::mutex> guard(g_lock);
    auto it = g_chains.find(window);
    return it == g_chains.end() ? nullptr : it->second;
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

LONG_PTR CurrentProc(HWND window, bool unicode)
{
    return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

// Frees the chain once nothing runs in it any more. The window's own procedure comes back only
// while the chain procedure is still the window's (someone may have subclassed it since).
void Dispose(HWND window, Chain* chain)
{
    if (IsWindow(window) && CurrentProc(window, chain->unicode) == reinterpret_cast<LONG_PTR>(&ChainProc)) {
        if (chain->unicode)
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
        else
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
    }
    {
        std::lock_guard<std::mutex> guard(g_lock);
        g_chains.erase(window);
    }
    for (Link* link = chain->first; link;) {
        Link* next = link->next;
        delete link;
        link = next;
    }
    delete chain;
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = Find(window);
    if (!chain)
        return 0;
    chain->savedPositions.push_back(chain->position);
    chain->position = chain->first;
    ++chain->running;
    LRESULT result = CallNext(window, message, wParam, lParam);
    --chain->running;
    chain->position = chain->savedPositions.back();
    chain->savedPositions.pop_back();
    // A destroyed window's chain goes with it, whatever is still installed.
    if (!chain->running && (!chain->first || message == WM_NCDESTROY))
        Dispose(window, chain);
    return result;
}

} // namespace

bool Set(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data)
{
    if (!window || !proc || !IsWindow(window))
        return false;
    Chain* chain = Find(window);
    if (!chain) {
        auto fresh = new Chain;
        fresh->unicode = IsWindowUnicode(window) != FALSE;
        const auto ours = reinterpret_cast<LONG_PTR>(&ChainProc);
        LONG_PTR original = fresh->unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, ours)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, ours);
        if (!original) {
            delete fresh;
            return false;
        }
        fresh->original = reinterpret_cast<WNDPROC>(original);
        std::lock_guard<std::mutex> guard(g_lock);
        g_chains[window] = fresh;
        chain = fresh;
    }
    for (Link* link = chain->first; link; link = link->next)
        if (link->proc == proc && link->id == id) {
            link->data = data;
            return true;
        }
    chain->first = new Link{proc, id, data, chain->first};
    return true;
}

bool Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id)
{
    Chain* chain = Find(window);
    if (!chain)
        return false;
    for (Link** link = &chain->first; *link; link = &(*link)->next) {
        Link* found = *link;
        if (found->proc != proc || found->id != id)
            continue;
        if (chain->position == found)
            chain->position = found->next;
        for (Link*& saved : chain->savedPositions)
            if (saved == found)
                saved = found->next;
        *link = found->next;
        delete found;
        if (!chain->first && !chain->running)
            Dispose(window, chain);
        return true;
    }
    return false;
}

bool Get(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data)
{
    Chain* chain = Find(window);
    if (!chain)
        return false;
    for (Link* link = chain->first; link; link = link->next)
        if (link->proc == proc && link->id == id) {
            if (data)
                *data = link->data;
            return true;
        }
    return false;
}

LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = Find(window);
    if (!chain)
        return 0;
    Link* link = chain->position;
    if (!link)
        return chain->unicode ? CallWindowProcW(chain->original, window, message, wParam, lParam)
                              : CallWindowProcA(chain->original, window, message, wParam, lParam);
    chain->position = link->next;
    // The link may remove itself while it runs; take what the call needs first.
    const SUBCLASSPROC proc = link->proc;
    const UINT_PTR id = link->id;
    const DWORD_PTR data = link->data;
    return proc(window, message, wParam, lParam, id, data);
}

} // namespace aw::subclass
