// Layout rules of the combo-box, progress, track-bar, up-down and header painters.

#include <gtest/gtest.h>

#include "skin/controls/control_geometry.h"

namespace aw::skin {
namespace {

int Total(const std::vector<Rect>& chunks, bool vertical)
{
    int sum = 0;
    for (const Rect& r : chunks) sum += vertical ? r.Height() : r.Width();
    return sum;
}

TEST(ControlGeometry, ProgressFillsInProportionWithTheLastChunkCut)
{
    const Rect inner{2, 2, 102, 12};  // 100 pixels long
    EXPECT_TRUE(ProgressChunks(inner, false, 0, 0, 100, 8).empty());
    // 37 % of 100 pixels: four whole 8-pixel chunks and a 5-pixel one.
    auto part = ProgressChunks(inner, false, 37, 0, 100, 8);
    ASSERT_EQ(part.size(), 5u);
    EXPECT_EQ(part.front(), (Rect{2, 2, 10, 12}));
    EXPECT_EQ(part.back(), (Rect{34, 2, 39, 12}));
    // A shifted range, and positions past either end.
    EXPECT_EQ(Total(ProgressChunks(inner, false, 150, 100, 200, 8), false), 50);
    EXPECT_EQ(Total(ProgressChunks(inner, false, 500, 0, 100, 8), false), 100);
    EXPECT_TRUE(ProgressChunks(inner, false, -5, 0, 100, 8).empty());
    // An empty range or a chunk of no length draws nothing rather than dividing by zero.
    EXPECT_TRUE(ProgressChunks(inner, false, 5, 10, 10, 8).empty());
    EXPECT_TRUE(ProgressChunks(inner, false, 50, 0, 100, 0).empty());
}

TEST(ControlGeometry, VerticalProgressFillsFromTheBottom)
{
    const Rect inner{0, 0, 10, 60};
    auto chunks = ProgressChunks(inner, true, 1, 0, 2, 20);  // half: 30 pixels
    ASSERT_EQ(chunks.size(), 2u);
    EXPECT_EQ(chunks[0], (Rect{0, 40, 10, 60}));
    EXPECT_EQ(chunks[1], (Rect{0, 30, 10, 40}));
}

TEST(ControlGeometry, TrackThumbIsCentredOnThePositionAndStaysInside)
{
    // Channel 10..190 in a 200-pixel control, an 11-pixel thumb.
    EXPECT_EQ(TrackThumbStart(10, 190, 0, 0, 100, 11, 200), 5);     // centred on the channel's start
    EXPECT_EQ(TrackThumbStart(10, 190, 100, 0, 100, 11, 200), 185); // on its end
    EXPECT_EQ(TrackThumbStart(10, 190, 50, 0, 100, 11, 200), 95);
    // A channel reaching the control's edges: the thumb is pushed back inside.
    EXPECT_EQ(TrackThumbStart(0, 200, 0, 0, 100, 11, 200), 0);
    EXPECT_EQ(TrackThumbStart(0, 200, 100, 0, 100, 11, 200), 189);
    // Minimum equal to maximum, and positions outside the range.
    EXPECT_EQ(TrackThumbStart(10, 190, 7, 7, 7, 11, 200), 5);
    EXPECT_EQ(TrackThumbStart(10, 190, 300, 0, 100, 11, 200), 185);
}

TEST(ControlGeometry, TrackThumbImageFollowsOrientationAndTickSide)
{
    using T = ThumbImage;
    EXPECT_EQ(TrackThumbImages(false, false, false), (std::vector<T>{T::Down, T::Horz}));
    EXPECT_EQ(TrackThumbImages(false, false, true), (std::vector<T>{T::Up, T::Horz}));
    EXPECT_EQ(TrackThumbImages(false, true, false), (std::vector<T>{T::Horz}));
    EXPECT_EQ(TrackThumbImages(true, false, false), (std::vector<T>{T::Right, T::Vert}));
    EXPECT_EQ(TrackThumbImages(true, false, true), (std::vector<T>{T::Left, T::Vert}));
    EXPECT_EQ(TrackThumbImages(true, true, true), (std::vector<T>{T::Vert}));
}

TEST(ControlGeometry, UpDownButtonsSplitTheControlAndTakeTheirOwnFrames)
{
    const UpDownLayout v = LayOutUpDown(17, 21, false);
    EXPECT_EQ(v.first, (Rect{0, 0, 17, 10}));
    EXPECT_EQ(v.second, (Rect{0, 10, 17, 21}));
    const UpDownLayout h = LayOutUpDown(31, 15, true);
    EXPECT_EQ(h.first, (Rect{0, 0, 15, 15}));
    EXPECT_EQ(h.second, (Rect{15, 0, 31, 15}));
    EXPECT_EQ(UpDownFrame(false, ControlState::Normal), 1);
    EXPECT_EQ(UpDownFrame(false, ControlState::Pressed), 2);
    EXPECT_EQ(UpDownFrame(true, ControlState::Disabled), 7);
    EXPECT_EQ(UpDownFrame(true, ControlState::Hot), 8);
    EXPECT_EQ(UpDownFrame(true, ControlState::Focused), 5);  // the buttons have no focused frame
}

TEST(ControlGeometry, HeaderSectionsEndWithAFillerAndSortedSectionsShowFrameFive)
{
    const std::vector<Rect> items{{0, 0, 80, 20}, {80, 0, 150, 20}};
    auto sections = HeaderSections(items, 200, 20);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[2], (Rect{150, 0, 200, 20}));
    EXPECT_EQ(HeaderSections({{0, 0, 210, 20}}, 200, 20).size(), 1u);  // no room left
    EXPECT_EQ(HeaderSections({}, 200, 20).size(), 1u);                 // an empty header is one filler
    EXPECT_EQ(HeaderFrame(ControlState::Normal, true, 5), 5);
    EXPECT_EQ(HeaderFrame(ControlState::Pressed, true, 5), 2);  // pressing wins over sorting
    EXPECT_EQ(HeaderFrame(ControlState::Normal, true, 4), 1);   // no sorted frame in a 4-frame image
}

TEST(ControlGeometry, ComboButtonSitsInsideTheEdgeAndNeverCrossesIt)
{
    const ComboLayout c = LayOutCombo(120, 21, 18);
    EXPECT_EQ(c.button, (Rect{100, 2, 118, 19}));
    EXPECT_EQ(c.text.right, 100);
    const ComboLayout narrow = LayOutCombo(12, 21, 18);
    EXPECT_GE(narrow.button.left, 2);
    EXPECT_LE(narrow.button.right, 10);
}

TEST(ControlGeometry, TabStripsTurnSoThatThePageLiesBelowTheTabs)
{
    // A 200 x 100 control whose page leaves 20 pixels for the tabs on each side.
    const Rect page{20, 20, 180, 80};
    for (int side = 0; side < 4; ++side) {
        const Rect strip = TabStripRect(200, 100, page, side, Rect{});
        const StripSize size = TabStripLayoutSize(strip, side);
        // The page's edge is the strip's last row laid out; the control's border its first.
        Rect outerEdge = strip;
        switch (side) {
        case 0: outerEdge.bottom = strip.top + 1; break;
        case 1: outerEdge.top = strip.bottom - 1; break;
        case 2: outerEdge.right = strip.left + 1; break;
        default: outerEdge.left = strip.right - 1; break;
        }
        EXPECT_EQ(TabToLayout(TabPageEdge(page, strip, side), strip, side),
                  (Rect{0, size.height - 1, size.width, size.height}))
            << side;
        EXPECT_EQ(TabToLayout(outerEdge, strip, side), (Rect{0, 0, size.width, 1})) << side;
        // Tabs that reach into the page widen the strip; the page's edge is then inside it.
        const Rect reaching[4] = {{30, 0, 100, 25}, {30, 75, 100, 100}, {0, 30, 25, 60}, {175, 30, 200, 60}};
        const Rect deeper = TabStripRect(200, 100, page, side, reaching[side]);
        EXPECT_EQ(TabStripLayoutSize(deeper, side).height, size.height + 4) << side;
        EXPECT_EQ(TabToLayout(TabPageEdge(page, deeper, side), deeper, side).bottom, size.height) << side;
        // Any tab comes back where it was.
        const Rect tab{strip.left + 1, strip.top + 2, strip.left + 7, strip.top + 15};
        EXPECT_EQ(TabFromLayout(TabToLayout(tab, strip, side), strip, side), tab) << side;
    }
    // The first tab of a left strip (at its top) lies at the right of the laid-out row, so that
    // turned back its text reads upwards; on the right it lies at the left.
    const Rect left = TabStripRect(200, 100, page, 2, Rect{});
    EXPECT_EQ(TabToLayout(Rect{0, 0, 20, 30}, left, 2).right, 100);
    EXPECT_EQ(TabToLayout(Rect{180, 0, 200, 30}, TabStripRect(200, 100, page, 3, Rect{}), 3).left, 0);
    // The page's margins follow its image round.
    const Margins m{1, 2, 3, 4};
    EXPECT_EQ(TabPaneMargins(m, 1), (Margins{1, 4, 3, 2}));
    EXPECT_EQ(TabPaneMargins(m, 2), (Margins{2, 3, 4, 1}));
    EXPECT_EQ(TabPaneMargins(m, 3), (Margins{4, 1, 2, 3}));
}

TEST(ControlGeometry, MediaPlayerButtonSetsAndLayout)
{
    EXPECT_EQ(PlayerButtonSet("[btPlay,btStop,btEject]"), (1u << 0) | (1u << 2) | (1u << 8));
    EXPECT_EQ(PlayerButtonSet("[]"), 0u);
    EXPECT_EQ(PlayerButtonSet(""), 0x1FFu);  // no property: all nine
    EXPECT_EQ(PlayerButtonSet("[btPlayX,btStep]"), 1u << 5);
    // Buttons share the width without gaps or overlaps.
    const std::vector<Rect> buttons = LayOutPlayerButtons(253, 30, 9);
    ASSERT_EQ(buttons.size(), 9u);
    EXPECT_EQ(buttons.front().left, 0);
    EXPECT_EQ(buttons.back().right, 253);
    for (std::size_t i = 1; i < buttons.size(); ++i) EXPECT_EQ(buttons[i].left, buttons[i - 1].right);
}

}  // namespace
}  // namespace aw::skin
