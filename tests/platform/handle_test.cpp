#include "platform/handle.h"

#include <gtest/gtest.h>

#include <utility>

namespace aw {
namespace {

bool IsOpen(HANDLE handle)
{
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(UniqueHandle, NullAndInvalidBothMeanNoObject)
{
    EXPECT_FALSE(UniqueHandle());
    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE));
    // A failed search is the empty find handle; a moved-from one is empty the same way.
    WIN32_FIND_DATAA data{};
    EXPECT_FALSE(UniqueFindHandle(FindFirstFileA("C:\\aw-no-such-folder\\*.*", &data)));
    UniqueFindHandle search(FindFirstFileA("C:\\*", &data));
    ASSERT_TRUE(search);
    UniqueFindHandle moved(std::move(search));
    EXPECT_EQ(search.Get(), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(moved);
}

TEST(UniqueHandle, ClosesOnceWhicheverOwnerEndsLast)
{
    HANDLE raw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        UniqueHandle first(raw);
        UniqueHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(first.Get(), nullptr);
        EXPECT_TRUE(second);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));

    HANDLE kept = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    UniqueHandle owner(kept);
    EXPECT_EQ(owner.Release(), kept);
    owner.Reset();
    EXPECT_TRUE(IsOpen(kept));
    CloseHandle(kept);
}

} // namespace
} // namespace aw
