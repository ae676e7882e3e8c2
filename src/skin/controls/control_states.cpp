#include "skin/controls/control_states.h"

#include "skin/manager/attach_rules.h"

namespace aw::skin {

int StateFrames::operator[](ControlState state) const
{
    switch (state) {
    case ControlState::Hot: return hot;
    case ControlState::Pressed: return pressed;
    case ControlState::Focused: return focused;
    case ControlState::Disabled: return disabled;
    case ControlState::Normal: break;
    }
    return normal;
}

ControlState PushButtonState(bool enabled, bool pressed, bool mouseOver, bool focusedOrDefault)
{
    if (!enabled) return ControlState::Disabled;
    if (pressed) return ControlState::Pressed;
    if (mouseOver) return ControlState::Hot;
    if (focusedOrDefault) return ControlState::Focused;
    return ControlState::Normal;
}

std::string ButtonCaptionText(const std::string& caption)
{
    std::string text = caption;
    const std::size_t at = text.find("||");
    if (at != std::string::npos) text.replace(at, 2, "\r\n");
    return text;
}

int CheckFrame(CheckMark mark, bool enabled, bool mouseOver, bool pressed, int frameCount)
{
    if (frameCount >= 12) {
        const int base = mark == CheckMark::Unchecked ? 1 : mark == CheckMark::Checked ? 5 : 9;
        if (!enabled) return base + 3;
        if (pressed) return base + 2;
        if (mouseOver) return base + 1;
        return base;
    }
    if (mark == CheckMark::Mixed) return 4;
    const int base = mark == CheckMark::Checked ? 2 : 1;
    return enabled ? base : base + 2;
}

bool CheckMarkFromStateText(const std::string& state, CheckMark& mark)
{
    const std::string lower = AsciiLower(state);
    if (lower.find("uncheck") != std::string::npos) {
        mark = CheckMark::Unchecked;
    } else if (lower.find("check") != std::string::npos) {
        mark = CheckMark::Checked;
    } else if (lower.find("gray") != std::string::npos) {
        mark = CheckMark::Mixed;
    } else {
        return false;
    }
    return true;
}

CheckBoxLayout LayOutCheckBox(int width, int height, int boxWidth, int boxHeight, bool textOnLeft)
{
    CheckBoxLayout layout;
    const int top = (height - boxHeight) / 2;
    if (textOnLeft) {
        layout.box = MakeRect(width - boxWidth, top, boxWidth, boxHeight);
        layout.caption = Rect{0, 0, width - boxWidth - 2, height};
    } else {
        layout.box = MakeRect(0, top, boxWidth, boxHeight);
        layout.caption = Rect{boxWidth + 2, 0, width, height};
    }
    return layout;
}

std::vector<Rect> StatusPanelRects(const std::vector<Rect>& controlRects, int barWidth)
{
    std::vector<Rect> rects = controlRects;
    for (Rect& r : rects) r.left += 2;
    if (!rects.empty()) rects.back().right = barWidth;
    return rects;
}

int StatusBevelFrame(PanelBevel bevel)
{
    switch (bevel) {
    case PanelBevel::Raised: return 2;
    case PanelBevel::None: return 3;
    case PanelBevel::Lowered: break;
    }
    return 1;
}

Rect TabPageRect(const Rect& display, int side)
{
    Rect page{display.left - 4, display.top - 4, display.right + 4, display.bottom + 4};
    switch (side) {
    case 1: return Offset(page, 0, 1);
    case 2: return Offset(page, -1, 0);
    case 3: return Offset(page, 1, 0);
    default: return Offset(page, 0, -1);
    }
}

Rect TabStripRect(int width, int height, const Rect& page, int side, const Rect& tabs)
{
    const bool any = !tabs.IsEmpty();
    switch (side) {
    case 1: return Rect{0, std::max(0, std::min(page.bottom - 1, any ? tabs.top : height)), width, height};
    case 2: return Rect{0, 0, std::min(width, std::max(page.left + 1, any ? tabs.right : 0)), height};
    case 3: return Rect{std::max(0, std::min(page.right - 1, any ? tabs.left : width)), 0, width, height};
    default: return Rect{0, 0, width, std::min(height, std::max(page.top + 1, any ? tabs.bottom : 0))};
    }
}

Rect TabPageEdge(const Rect& page, const Rect& strip, int side)
{
    switch (side) {
    case 1: return Rect{strip.left, page.bottom - 1, strip.right, page.bottom};
    case 2: return Rect{page.left, strip.top, page.left + 1, strip.bottom};
    case 3: return Rect{page.right - 1, strip.top, page.right, strip.bottom};
    default: return Rect{strip.left, page.top, strip.right, page.top + 1};
    }
}

StripSize TabStripLayoutSize(const Rect& strip, int side)
{
    if (side >= 2) return StripSize{strip.Height(), strip.Width()};
    return StripSize{strip.Width(), strip.Height()};
}

Rect TabToLayout(const Rect& r, const Rect& strip, int side)
{
    const Rect a = Offset(r, -strip.left, -strip.top);
    const int w = strip.Width(), h = strip.Height();
    switch (side) {
    case 1: return Rect{a.left, h - a.bottom, a.right, h - a.top};
    case 2: return Rect{h - a.bottom, a.left, h - a.top, a.right};
    case 3: return Rect{a.top, w - a.right, a.bottom, w - a.left};
    default: return a;
    }
}

Rect TabFromLayout(const Rect& r, const Rect& strip, int side)
{
    const int w = strip.Width(), h = strip.Height();
    Rect a = r;
    switch (side) {
    case 1: a = Rect{r.left, h - r.bottom, r.right, h - r.top}; break;
    case 2: a = Rect{r.top, h - r.right, r.bottom, h - r.left}; break;
    case 3: a = Rect{w - r.bottom, r.left, w - r.top, r.right}; break;
    default: break;
    }
    return Offset(a, strip.left, strip.top);
}

Margins TabPaneMargins(const Margins& m, int side)
{
    switch (side) {
    case 1: return Margins{m.left, m.bottom, m.right, m.top};
    case 2: return Margins{m.top, m.right, m.bottom, m.left};   // turned counter-clockwise
    case 3: return Margins{m.bottom, m.left, m.top, m.right};   // turned clockwise
    default: return m;
    }
}

Rect TabCloseBox(const Rect& tab) { return Rect{tab.right - 8, tab.top + 2, tab.right - 2, tab.top + 8}; }

int TabFrame(bool selected) { return selected ? 2 : 1; }

}  // namespace aw::skin
