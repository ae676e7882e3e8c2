#include "skin/forms/form_geometry.h"

#include <algorithm>

#include "skin/data/element_states.h"


namespace aw::skin {

using namespace style_bits;

bool IsStandardDialogClass(const std::string& className)
{
    return className == "#32770" || className == "TMessageForm";
}

BorderKind BorderKindOf(std::uint32_t style, std::uint32_t exStyle, const std::string& className)
{
    if (IsStandardDialogClass(className)) return bkDialog;
    if ((style & kCaption) != kCaption) return bkNoCaption;
    if (style & kThickFrame) return bkSizeable;
    if ((style & kModalFrame) || (exStyle & kExDlgModalFrame)) return bkDialog;
    return bkFixed;
}

int CaptionCapabilitiesOf(std::uint32_t style, std::uint32_t exStyle, bool hasSystemMenu)
{
    int caps = 0;
    if ((style & kSysMenu) || hasSystemMenu) caps |= capSystemMenu;
    if (style & kMinimizeBox) caps |= capMinimize;
    if (style & kMaximizeBox) caps |= capMaximize;
    if (exStyle & kExContextHelp) caps |= capContextHelp;
    return caps;
}

std::uint32_t WithoutCaptionButtons(std::uint32_t style) { return style & ~(kSysMenu | kMinimizeBox | kMaximizeBox); }

std::uint32_t WithCaptionButtons(std::uint32_t style, int capabilities)
{
    // The system-menu capability may come from a system menu alone; only a style that had
    // WS_SYSMENU gets it back, which the caller knows from the original style.
    if (capabilities & capSystemMenu) style |= kSysMenu;
    if (capabilities & capMinimize) style |= kMinimizeBox;
    if (capabilities & capMaximize) style |= kMaximizeBox;
    return style;
}

FrameMetrics FrameMetricsFromBorders(BorderKind kind, const ImageSize& left, const ImageSize& right,
                                     const ImageSize& top, const ImageSize& bottom, int menuBarHeight)
{
    FrameMetrics m;
    if (kind == bkNoCaption) return m;
    auto per = [](int length, int frames) { return length / std::max(frames, 1); };
    m.left = per(left.width, left.frames);
    m.right = per(right.width, right.frames);
    m.top = per(top.height, top.frames);
    m.bottom = per(bottom.height, bottom.frames);
    m.menuBar = menuBarHeight;
    return m;
}

Size2 WindowSizeForClient(const FrameMetrics& m, int clientWidth, int clientHeight, bool mdiChild)
{
    Size2 size;
    size.width = clientWidth + m.left + m.right;
    size.height = clientHeight + m.top + m.bottom + (mdiChild ? 0 : m.menuBar);
    return size;
}

Rect ClientRectInWindow(const FrameMetrics& m, const Rect& window)
{
    Rect client{window.left + m.left, window.top + m.top + m.menuBar, window.right - m.right, window.bottom - m.bottom};
    // A window smaller than its frame has an empty client area, not an inverted one.
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

DialogWidening WidenForTitle(int width, int textShift, int textWidth, int textRightClip)
{
    const int needed = textShift + textWidth + textRightClip;
    if (needed <= width) return {width, 0};
    return {needed, (needed - width) / 2};
}

namespace {

bool HasMinOrMax(int caps) { return (caps & (capMinimize | capMaximize)) != 0; }

// One column of the visibility table; `first` picks the Visibility column.
bool VisibilityHolds(int code, bool first, const CaptionState& s, int action,
                     const std::function<bool(int, int)>& askWindow)
{
    const bool sysMenu = (s.capabilities & capSystemMenu) != 0;
    switch (code) {
    case 0: return true;
    case 1: return s.maximized;
    case 2: return !s.maximized;
    case 3: return s.active;
    case 4: return !s.active;
    case 6:
    case 8: return first ? HasMinOrMax(s.capabilities) && sysMenu : HasMinOrMax(s.capabilities);
    case 7: return !(s.capabilities & capMaximize);
    case 9: return !(s.capabilities & capMinimize);
    case 10:
        return first ? (s.capabilities & capContextHelp) && !HasMinOrMax(s.capabilities)
                     : (s.capabilities & capContextHelp) != 0;
    case 100: return s.mdiChildMaximizedWithMenuBar;
    case 200: return first && s.border == bkDialog && !s.standardDialog;
    default: break;
    }
    if (code >= 201 && code <= 999) return first;
    if (code >= 1000 && code <= 2000) return first && askWindow && askWindow(code, action);
    return false;
}

}  // namespace

bool CaptionButtonVisible(const CaptionButtonTraits& b, const CaptionState& s,
                          const std::function<bool(int, int)>& askWindow)
{
    if (!VisibilityHolds(b.visibility, true, s, b.action, askWindow)) return false;
    if (!VisibilityHolds(b.visibility1, false, s, b.action, askWindow)) return false;
    if (b.action == 0 && !(s.capabilities & capSystemMenu)) return false;
    if ((b.action == 3 || b.action == 11 || b.action == 12) && s.border == bkDialog) return false;
    return true;
}

bool CaptionButtonEnabled(const CaptionButtonTraits& b, const CaptionState& s)
{
    const bool sysMenu = (s.capabilities & capSystemMenu) != 0;
    if (b.action == 1) return sysMenu && (s.capabilities & capMaximize);
    if (b.action == 2) return sysMenu && (s.capabilities & capMinimize);
    return true;
}

Rect CaptionButtonRect(const CaptionButtonTraits& b, int w, int h, int windowWidth, int titleLeft, int titleRight,
                       const FrameMetrics& m, int menuBarLeftWidth)
{
    switch (b.align) {
    case 1: return MakeRect(windowWidth - b.xCoord, b.yCoord, w, h);
    case 2:
    case 8: return MakeRect(titleLeft - w - b.xCoord, b.yCoord, w, h);
    case 3:
    case 9: return MakeRect(titleRight + b.xCoord, b.yCoord, w, h);
    case 100:
        return MakeRect(windowWidth - b.xCoord - m.right - menuBarLeftWidth, m.top + (m.menuBar - h) / 2, w, h);
    default: return MakeRect(b.xCoord, b.yCoord, w, h);
    }
}

int CaptionButtonPaintFrame(bool active, bool enabled, int frameCount)
{
    const ElementState state = !enabled ? ElementState::Disabled : active ? ElementState::Normal : ElementState::Inactive;
    return FrameFor(kCaptionButtonFrames, state, frameCount);
}

int CaptionButtonMouseFrame(NcState objectState, bool enabled, bool mdiButton, int frameCount)
{
    ElementState state = ElementState::Normal;
    if (!enabled) state = ElementState::Disabled;
    else if (objectState == NcState::Pressed) state = ElementState::Pressed;
    else if (objectState == NcState::Hover) state = ElementState::Hot;
    return FrameFor(mdiButton ? kMdiButtonStateFrames : kCaptionButtonFrames, state, frameCount);
}

std::string CaptionButtonHint(int action)
{
    switch (action) {
    case 0: case 9: case 62: return "Close";
    case 1: case 22: return "Maximize";
    case 2: case 7: case 23: case 60: return "Minimize";
    case 8: case 61: return "Restore";
    default: return {};
    }
}

CaptionAction CaptionActionOf(int action)
{
    switch (action) {
    case 0: return CaptionAction::Close;
    case 1: case 22: return CaptionAction::MaximizeOrRestore;
    case 2: case 23: return CaptionAction::MinimizeOrRestore;
    case 3: case 11: case 12: return CaptionAction::SystemMenu;
    case 4: return CaptionAction::ContextHelp;
    case 7: case 60: return CaptionAction::MdiMinimize;
    case 8: case 61: return CaptionAction::MdiRestore;
    case 9: case 62: return CaptionAction::MdiClose;
    default: return CaptionAction::Notify;
    }
}

Rect PlaceTitleText(const TitleInput& in)
{
    const int a = in.textWidth + in.backLeft + in.backRight;
    int x = in.textShift;
    if (!in.rightToLeft) {
        if (in.alignment == 1) x = (in.width - a) / 2;
        else if (in.alignment == 2) x = in.width - in.textRightClip - a;
    } else {
        if (in.alignment == 0) x = in.width - in.textRightClip - a;
        else if (in.alignment == 1) x = (in.width - in.textRightClip - a) / 2;
        if (x < 1) x = in.textShift;
    }
    // A dialog has no icon in front of its title.
    if (in.dialogBorder && in.alignment == 0 && !in.rightToLeft) x -= 16;

    int clipRight = in.width - in.textRightClip;
    if (in.popupWindow && in.widestRightButtonXCoord > 5) clipRight = in.width - in.widestRightButtonXCoord - 5;
    if (in.rightToLeft) {
        x += 10;
        clipRight = in.width;
    }
    const int y = (in.height - in.textHeight) / 2 + in.textShiftVert / 2;
    return Rect{x, y, std::max(clipRight, x), y + in.textHeight};
}

std::vector<Rect> LayoutMenuBarItems(const MenuBarLayout& in)
{
    std::vector<Rect> items;
    const int bottom = in.band.bottom - 1;
    if (!in.rightToLeft) {
        int start = in.hasElement ? in.elementLeft + 4 : 6;
        if (in.band.Width() < start) start = 12;
        int x = in.band.left + start;
        for (int text : in.textWidths) {
            items.push_back(Rect{x, in.band.top, x + text + 10, bottom});
            x += text + 10;
        }
        return items;
    }
    int x = in.band.right - ((in.hasElement ? in.elementRight : 0) + 8);
    if (in.mdiButtonsLeft >= 0) x = std::min(x, in.mdiButtonsLeft - 5);
    for (int text : in.textWidths) {
        items.push_back(Rect{x - text - 10, in.band.top, x, bottom});
        x -= text + 10;
    }
    return items;
}

int CorrectHitTest(int previous, int y, const FrameMetrics& m, bool hasMenuBar)
{
    if (previous != kHitNowhere && previous != kHitCaption) return previous;
    if (hasMenuBar && y >= m.top && y < m.top + m.menuBar) return kHitMenu;
    if (y < m.top) return kHitCaption;
    return previous;
}

namespace {
bool NearKey(int channel, int key) { return channel >= key && channel <= key + 1; }
}  // namespace

std::vector<Rect> OpaqueRuns(const PixelImage& image, const Rect& area, Colour key)
{
    std::vector<Rect> runs;
    const Rect clipped = Intersect(area, Rect{0, 0, image.width, image.height});
    if (clipped.IsEmpty()) return runs;
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        int start = -1;
        for (int x = clipped.left; x <= clipped.right; ++x) {
            bool opaque = false;
            if (x < clipped.right) {
                const Colour c = image.At(x, y);
                opaque = !(NearKey(RedOf(c), RedOf(key)) && NearKey(GreenOf(c), GreenOf(key)) &&
                           NearKey(BlueOf(c), BlueOf(key)));
            }
            if (opaque && start < 0) start = x;
            if (!opaque && start >= 0) {
                runs.push_back(Rect{start, y, x, y + 1});
                start = -1;
            }
        }
    }
    return runs;
}

std::vector<RegionPart> RegionParts(const FrameMetrics& m, int width, int height, const BorderTrans& trans,
                                    BorderKind kind)
{
    std::vector<RegionPart> parts;
    if (!trans.left && !trans.right && !trans.top) return parts;
    parts.push_back({Rect{m.left, m.top, width - m.right, height - m.bottom}, false});
    if (kind == bkNoCaption) return parts;
    parts.push_back({Rect{0, 0, m.left, height}, trans.left});
    parts.push_back({Rect{width - m.right, 0, width, height}, trans.right});
    parts.push_back({Rect{m.left, 0, width - m.right, m.top}, trans.top && m.top > 1});
    parts.push_back({Rect{m.left, height - m.bottom, width - m.right, height}, trans.bottom && m.bottom >= 2});
    return parts;
}

}  // namespace aw::skin
