// The hot-object state machine of the non-client area: what the mouse does to caption buttons
// and menu-bar items, and what it asks the window to do.

#include "skin/forms/hot_tracker.h"

#include <gtest/gtest.h>

namespace aw::skin {
namespace {

struct Object {
    NcState state = NcState::Normal;
    bool visible = true;
};

bool Same(const HotEffects& a, const HotEffects& b)
{
    return a.redraw == b.redraw && a.hideHint == b.hideHint;
}

TEST(HotTracker, PressReleaseAndLeaveOneButton)
{
    HotTracker<Object> tracker;
    Object close;
    EXPECT_TRUE(Same(tracker.Hover(close), HotEffects{true, false}));
    EXPECT_EQ(close.state, NcState::Hover);
    EXPECT_EQ(tracker.Hot(), &close);
    // Moving over the hot button again changes nothing, nor does it while pressed.
    EXPECT_TRUE(Same(tracker.Hover(close), HotEffects{}));
    EXPECT_TRUE(Same(tracker.Press(close), HotEffects{true, false}));
    EXPECT_EQ(close.state, NcState::Pressed);
    EXPECT_TRUE(Same(tracker.Hover(close), HotEffects{}));
    EXPECT_EQ(close.state, NcState::Pressed);
    EXPECT_TRUE(Same(tracker.Release(close), HotEffects{true, false}));
    EXPECT_EQ(close.state, NcState::Hover);
    EXPECT_EQ(tracker.Hot(), &close);
    // Leaving hides the caption hint.
    EXPECT_TRUE(Same(tracker.Leave(close), HotEffects{true, true}));
    EXPECT_EQ(close.state, NcState::Normal);
    EXPECT_EQ(tracker.Hot(), nullptr);
}

TEST(HotTracker, AnotherObjectTakesOverAndTheFirstLeaves)
{
    HotTracker<Object> tracker;
    Object close, maximize;
    tracker.Hover(close);
    EXPECT_TRUE(Same(tracker.Hover(maximize), HotEffects{true, true}));
    EXPECT_EQ(close.state, NcState::Normal);
    EXPECT_EQ(maximize.state, NcState::Hover);
    EXPECT_EQ(tracker.Hot(), &maximize);
    EXPECT_TRUE(Same(tracker.Press(close), HotEffects{true, true}));
    EXPECT_EQ(maximize.state, NcState::Normal);
    EXPECT_EQ(close.state, NcState::Pressed);
    EXPECT_EQ(tracker.Hot(), &close);
}

TEST(HotTracker, AFullRepaintForgetsTheHotObjectAndTheNextMoveLightsItAgain)
{
    HotTracker<Object> tracker;
    Object item;
    tracker.Press(item);
    tracker.Forget();
    EXPECT_EQ(item.state, NcState::Normal);
    EXPECT_EQ(tracker.Hot(), nullptr);
    EXPECT_TRUE(Same(tracker.Hover(item), HotEffects{true, false}));
    EXPECT_EQ(item.state, NcState::Hover);
    // A menu held open keeps its item pressed whatever was hot.
    Object other;
    tracker.HoldPressed(other);
    EXPECT_EQ(tracker.Hot(), &other);
    EXPECT_EQ(other.state, NcState::Pressed);
}

TEST(HotTracker, AnInvisibleObjectShowsNothingAndStaysHotUntilAnotherTakesOver)
{
    HotTracker<Object> tracker;
    Object hidden;
    hidden.visible = false;
    EXPECT_TRUE(Same(tracker.Hover(hidden), HotEffects{}));
    EXPECT_EQ(tracker.Hot(), &hidden);
    EXPECT_EQ(hidden.state, NcState::Normal);
    EXPECT_TRUE(Same(tracker.Leave(hidden), HotEffects{}));
    EXPECT_EQ(tracker.Hot(), &hidden);
    EXPECT_TRUE(Same(tracker.Press(hidden), HotEffects{}));
    EXPECT_TRUE(Same(tracker.Release(hidden), HotEffects{}));
    Object shown;
    EXPECT_TRUE(Same(tracker.Press(shown), HotEffects{true, false}));
    EXPECT_EQ(tracker.Hot(), &shown);
}

} // namespace
} // namespace aw::skin
