#include "skin/forms/frame_painter.h"

#include <algorithm>

#include "skin/data/element_states.h"
#include "skin/data/skin_data.h"
#include "skin/draw/draw_primitives.h"
#include "skin/draw/gdi_colour.h"
#include "skin/forms/window_queries.h"

namespace aw::skin {

namespace {

void DrawBorder(HDC buffer, const TDataSkinBorder& border, const Rect& rect, bool stacked, bool active)
{
    if (!border.image || rect.IsEmpty()) return;
    const int frames = std::max(border.FrameCount, 1);
    const int frame = FrameFor(kWindowPartFrames, active ? ElementState::Normal : ElementState::Inactive, frames);
    DrawElementFrame(buffer, ToRECT(rect), border.image.Get(), stacked, border.Tile != 1, false, frames, frame,
                     border.GetMargins());
}

}  // namespace

void DrawFrameBorders(HDC buffer, int width, int height, const TSkinData& data, const FrameMetrics& m, bool active,
                      bool minimized)
{
    const auto& b = data.Skin().borders;
    if (minimized) {
        const RECT all{0, 0, width, height};
        ::FillRect(buffer, &all, data.ButtonFaceBrush());
        DrawBorder(buffer, b[bsTop], Rect{0, 0, width, std::min(m.top, height)}, true, active);
        return;
    }
    DrawBorder(buffer, b[bsLeft], Rect{0, 0, m.left, height}, false, active);
    DrawBorder(buffer, b[bsRight], Rect{width - m.right, 0, width, height}, false, active);
    DrawBorder(buffer, b[bsBottom], Rect{m.left, height - m.bottom, width - m.right, height}, true, active);
    DrawBorder(buffer, b[bsTop], Rect{m.left, 0, width - m.right, m.top}, true, active);
}

Rect DrawTitleText(HDC buffer, const std::string& text, const TSkinData& data, const TitleFacts& facts)
{
    const TDataSkinTitle& title = data.Skin().title;
    const FrameMetrics& metrics = *facts.metrics;
    SelectedObject font(buffer, data.CaptionFont());
    SIZE extent{};
    ::GetTextExtentPoint32A(buffer, text.c_str(), static_cast<int>(text.size()), &extent);

    TitleInput in;
    in.width = facts.width;
    in.height = metrics.top;
    in.textWidth = extent.cx;
    in.textHeight = extent.cy;
    in.alignment = title.TextAlignment;
    in.textShift = title.LeftWidth;
    in.textShiftVert = title.TopHeight;
    in.textRightClip = title.RightWidth;
    in.backLeft = title.TXTBackleft;
    in.backRight = title.TXTBackRight;
    in.dialogBorder = facts.dialogBorder;
    in.popupWindow = facts.popupWindow;
    in.widestRightButtonXCoord = facts.widestRightButtonXCoord;
    in.rightToLeft = facts.rightToLeft;
    const Rect placed = PlaceTitleText(in);

    if (title.image) {
        const RECT back{placed.left, 0, placed.left + extent.cx + title.TXTBackleft + title.TXTBackRight, metrics.top};
        DrawThreePart(buffer, back, title.image.Get(), true, true, 2, facts.active ? 1 : 2,
                      Margins{title.TXTBackleft, 0, title.TXTBackRight, 0});
    }
    ::SetBkMode(buffer, TRANSPARENT);
    ::SetTextColor(buffer, ResolveColour(data.SkinColour(facts.active ? csTitleTextActive : csTitleTextNoActive)));
    RECT r{placed.left + title.TXTBackleft, placed.top, placed.right, placed.bottom};
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (facts.rightToLeft) format |= DT_RTLREADING | DT_RIGHT;
    ::DrawTextA(buffer, text.c_str(), static_cast<int>(text.size()), &r, format);
    return placed;
}

}  // namespace aw::skin
