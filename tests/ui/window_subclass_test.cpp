// Subclass chains kept by the program: order, nested messages, removal while a message is
// handled, and the window's own procedure coming back.
#include "platform/window_subclass.h"

#include <gtest/gtest.h>

#include <string>

namespace aw::test {
namespace {

constexpr UINT kProbe = WM_APP + 7;

struct Trail {
    std::string calls;
    HWND window = nullptr;
};

LRESULT CALLBACK Outer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* trail = reinterpret_cast<Trail*>(data);
    if (message == kProbe) {
        trail->calls += 'O';
        // A message sent while this one is handled goes through the whole chain again.
        if (wParam == 1)
            SendMessageA(window, kProbe, 0, 0);
        // Removing itself mid-message must not cut the message off from the rest of the chain.
        if (wParam == 2)
            subclass::Remove(window, &Outer, 1);
        if (wParam == 3)
            SendMessageA(window, kProbe, 4, 0);
    }
    return subclass::CallNext(window, message, wParam, lParam);
}

LRESULT CALLBACK Inner(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == kProbe)
        reinterpret_cast<Trail*>(data)->calls += 'I';
    return subclass::CallNext(window, message, wParam, lParam);
}

// In the middle of the chain: removes itself during a nested message (wParam 4).
LRESULT CALLBACK Middle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == kProbe) {
        reinterpret_cast<Trail*>(data)->calls += 'M';
        if (wParam == 4)
            subclass::Remove(window, &Middle, 1);
    }
    return subclass::CallNext(window, message, wParam, lParam);
}

TEST(WindowSubclass, ChainsNestsRemovesAndGivesTheWindowItsProcedureBack)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
    Trail trail;
    ASSERT_TRUE(subclass::Set(window, &Inner, 1, reinterpret_cast<DWORD_PTR>(&trail)));
    ASSERT_TRUE(subclass::Set(window, &Outer, 1, reinterpret_cast<DWORD_PTR>(&trail)));
    DWORD_PTR data = 0;
    EXPECT_TRUE(subclass::Get(window, &Outer, 1, &data));
    EXPECT_EQ(data, reinterpret_cast<DWORD_PTR>(&trail));
    EXPECT_FALSE(subclass::Get(window, &Outer, 2, &data));

    SendMessageA(window, kProbe, 0, 0);
    EXPECT_EQ(trail.calls, "OI"); // the newest first

    trail.calls.clear();
    SendMessageA(window, kProbe, 1, 0);
    EXPECT_EQ(trail.calls, "OOII");

    trail.calls.clear();
    SendMessageA(window, kProbe, 2, 0);
    EXPECT_EQ(trail.calls, "OI");
    EXPECT_FALSE(subclass::Get(window, &Outer, 1, nullptr));
    trail.calls.clear();
    SendMessageA(window, kProbe, 0, 0);
    EXPECT_EQ(trail.calls, "I");

    EXPECT_TRUE(subclass::Remove(window, &Inner, 1));
    EXPECT_FALSE(subclass::Remove(window, &Inner, 1));
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
    DestroyWindow(window);
}

// A link that removes itself during a message sent while an outer one is handled: the outer
// message goes on past it to the rest of the chain, and it is never called again.
TEST(WindowSubclass, ALinkRemovedDuringANestedMessageIsPassedOverByTheOuterOne)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    Trail trail;
    ASSERT_TRUE(subclass::Set(window, &Inner, 1, reinterpret_cast<DWORD_PTR>(&trail)));
    ASSERT_TRUE(subclass::Set(window, &Middle, 1, reinterpret_cast<DWORD_PTR>(&trail)));
    ASSERT_TRUE(subclass::Set(window, &Outer, 1, reinterpret_cast<DWORD_PTR>(&trail)));

    SendMessageA(window, kProbe, 3, 0);
    EXPECT_EQ(trail.calls, "OOMII");
    EXPECT_FALSE(subclass::Get(window, &Middle, 1, nullptr));
    trail.calls.clear();
    SendMessageA(window, kProbe, 0, 0);
    EXPECT_EQ(trail.calls, "OI");
    DestroyWindow(window);
}

// A chain left installed goes with its window.
TEST(WindowSubclass, DestroyedWindowTakesItsChainAlong)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    Trail trail;
    ASSERT_TRUE(subclass::Set(window, &Inner, 1, reinterpret_cast<DWORD_PTR>(&trail)));
    DestroyWindow(window);
    EXPECT_FALSE(subclass::Get(window, &Inner, 1, nullptr));
}

} // namespace
} // namespace aw::test
