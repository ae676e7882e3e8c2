#include "preview.h"

#include <map>

#include "raster.h"
#include "skin/draw/frame_geometry.h"
#include "skin_images.h"
#include "theme.h"

namespace aw::skinart {

using namespace theme;
using namespace layout;
using skin::Margins;

namespace {

// The bitmaps by entry name, drawn once.
const PixelImage& Img(const std::string& name)
{
    static std::map<std::string, PixelImage> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    for (const SkinBitmap& bitmap : SkinBitmaps())
        if (bitmap.name == name) return cache.emplace(name, bitmap.draw()).first->second;
    static const PixelImage none;
    return none;
}

void Put(PixelImage& canvas, const PixelImage& image, const skin::DrawPlan& plan, bool transparent)
{
    if (plan.IsEmpty()) return;
    PixelImage buffer(plan.placement.Width(), plan.placement.Height(), skin::kMagenta);
    skin::RenderPlan(image, plan, buffer);
    if (transparent)
        skin::CopyOntoKeyed(canvas, buffer, plan.placement.left, plan.placement.top, skin::kMagenta);
    else
        skin::CopyOnto(canvas, buffer, plan.placement.left, plan.placement.top);
}

void Frame(PixelImage& canvas, const Rect& dest, const std::string& name, int frames, int k, const Margins& m,
           bool transparent, bool stacked = false, bool tile = false)
{
    const PixelImage& image = Img(name);
    const Rect frame = skin::FrameRect(image.width, image.height, frames, k, stacked);
    Put(canvas, image, skin::PlanNinePart(frame, dest, m, tile), transparent);
}

void Stretched(PixelImage& canvas, const Rect& dest, const std::string& name, int frames, int k)
{
    const PixelImage& image = Img(name);
    Put(canvas, image, skin::PlanStretched(skin::FrameRect(image.width, image.height, frames, k, false), dest), true);
}

void Centred(PixelImage& canvas, const Rect& dest, const std::string& name, int frames, int k)
{
    const PixelImage& image = Img(name);
    Put(canvas, image, skin::PlanCentred(skin::FrameRect(image.width, image.height, frames, k, false), dest), true);
}

class Scene {
public:
    Scene(int w, int h) : canvas(w, h) {}
    void Text(int x, int y, Colour colour, std::string text) { labels.push_back(Label{x, y, colour, std::move(text)}); }

    PixelImage canvas;
    std::vector<Label> labels;
};

// A window's frame and title bar, drawn into its own buffer and put on the scene through its
// region (the magenta border pixels stay out), as the engine does.
void WindowFrame(Scene& scene, const Rect& at, bool active, const std::string& title, int hoverButton)
{
    const int w = at.Width(), h = at.Height();
    PixelImage window(w, h, kFace);
    const int k = active ? 1 : 2;
    Frame(window, MakeRect(0, 0, kBorder, h), "frameleft.bmp", 2, k, Margins{0, kTitle, 0, kBorder}, false);
    Frame(window, MakeRect(w - kBorder, 0, kBorder, h), "frameright.bmp", 2, k, Margins{0, kTitle, 0, kBorder}, false);
    Frame(window, Rect{kBorder, h - kBorder, w - kBorder, h}, "framebottom.bmp", 2, k, Margins{}, false, true);
    Frame(window, Rect{kBorder, 0, w - kBorder, kTitle}, "frametop.bmp", 2, k, Margins{kTopMargin, 0, kTopMargin, 0}, false, true);
    // Icon stand-in: the program's shield.
    DrawPattern(window, kIconX, kIconY,
                {"..############..", ".#oooooooooooo#.", ".#oooooooooooo#.", ".#ooo######ooo#.", ".#ooo#oooooooo#.",
                 ".#ooo#oooooooo#.", ".#ooo######ooo#.", ".#oooooooo#ooo#.", ".#oooooooo#ooo#.", "..#ooo######oo#.",
                 "..#oooooooooo#..", "...#oooooooo#...", "....#oooooo#....", ".....##oo##.....", ".......##......."},
                {{'#', kAccentDeep}, {'o', active ? kAccent : kAccentInactive}});
    const struct {
        const char* name;
        int x;
    } buttons[] = {{"minbutton.bmp", kMinimizeX}, {"maxbutton.bmp", kMaximizeX}, {"closebutton.bmp", kCloseX}};
    for (int i = 0; i < 3; ++i) {
        const int frame = !active ? 4 : (i == hoverButton ? 3 : 1);
        Stretched(window, MakeRect(w - buttons[i].x, kCaptionY, kCaptionW, kCaptionH), buttons[i].name, 6, frame);
    }
    skin::CopyOntoKeyed(scene.canvas, window, at.left, at.top, skin::kMagenta);
    scene.Text(at.left + kTextShift, at.top + 8, active ? kTitleText : kTitleTextInactive, title);
}

void PushButton(Scene& scene, const Rect& r, int frame, const std::string& caption)
{
    Frame(scene.canvas, r, "buttons.bmp", 5, frame, Margins{4, 4, 4, 4}, true);
    const int approxWidth = static_cast<int>(caption.size()) * 6;
    scene.Text(r.left + (r.Width() - approxWidth) / 2, r.top + (r.Height() - 14) / 2 + 1, frame == 3 ? kShadow : kText, caption);
}

void CheckBox(Scene& scene, int x, int y, const std::string& image, int frame, const std::string& caption, bool disabled)
{
    Stretched(scene.canvas, MakeRect(x, y, 13, 13), image, 12, frame);
    scene.Text(x + 19, y - 1, disabled ? kShadow : kText, caption);
}

void VerticalScrollBar(Scene& scene, const Rect& bar, int thumbStart, int thumbEnd, int thumbFrame)
{
    const int a = kScroll;
    Fill(scene.canvas, bar, kFace);
    Frame(scene.canvas, Rect{bar.left, bar.top + a, bar.right, bar.bottom - a}, "scrollbarvbar.bmp", 4, 1, Margins{3, 3, 3, 3}, true);
    Stretched(scene.canvas, MakeRect(bar.left, bar.top, a, a), "scrollbararrow.bmp", 23, 9);
    Stretched(scene.canvas, MakeRect(bar.left, bar.bottom - a, a, a), "scrollbararrow.bmp", 23, 13 + 3);
    const Rect thumb{bar.left, bar.top + thumbStart, bar.right, bar.top + thumbEnd};
    Frame(scene.canvas, thumb, "scrollbarvthumb.bmp", 3, thumbFrame, Margins{0, 6, 0, 6}, true);
    const int g = kScroll, mid = (thumb.top + thumb.bottom) / 2;
    Stretched(scene.canvas, MakeRect(bar.left, mid - g / 2, a, g), "scrollbararrow.bmp", 23, 20 + (thumbFrame == 3 ? 2 : 0));
}

void HorizontalScrollBar(Scene& scene, const Rect& bar, int thumbStart, int thumbEnd)
{
    const int a = kScroll;
    Fill(scene.canvas, bar, kFace);
    Frame(scene.canvas, Rect{bar.left + a, bar.top, bar.right - a, bar.bottom}, "scrollbarhbar.bmp", 4, 1, Margins{3, 3, 3, 3}, true);
    Stretched(scene.canvas, MakeRect(bar.left, bar.top, a, a), "scrollbararrow.bmp", 23, 1 + 1);
    Stretched(scene.canvas, MakeRect(bar.right - a, bar.top, a, a), "scrollbararrow.bmp", 23, 5);
    const Rect thumb{bar.left + thumbStart, bar.top, bar.left + thumbEnd, bar.bottom};
    Frame(scene.canvas, thumb, "scrollbarhthumb.bmp", 3, 2, Margins{6, 0, 6, 0}, true);
    const int mid = (thumb.left + thumb.right) / 2;
    Stretched(scene.canvas, MakeRect(mid - kScroll / 2, bar.top, kScroll, a), "scrollbararrow.bmp", 23, 18);
}

// The combined combo-box strip the skin loader builds: one 50 × 21 cell per SunkEdge frame.
PixelImage CombinedComboStrip(int buttonWidth)
{
    PixelImage strip(50 * 4, 21, skin::kMagenta);
    for (int k = 1; k <= 4; ++k) {
        const int x = (k - 1) * 50;
        Frame(strip, MakeRect(x, 0, 50, 21), "scrollbarhbar.bmp", 4, k, Margins{3, 3, 3, 3}, true);
        Frame(strip, MakeRect(x + 50 - buttonWidth, 0, buttonWidth, 21), "comboboxbtn.bmp", 4, k, Margins{1, 1, 1, 1}, true);
        Centred(strip, MakeRect(x + 50 - buttonWidth, 0, buttonWidth, 21), "extraimages.bmp", 5, k);
        Fill(strip, Rect{x + 2, 2, x + 49 - buttonWidth, 18}, skin::kMagenta);
    }
    return strip;
}

void ComboBox(Scene& scene, const Rect& r, int frame, const std::string& text)
{
    const int buttonWidth = 16 + 2;
    const PixelImage strip = CombinedComboStrip(buttonWidth);
    Fill(scene.canvas, r, kWhite);
    const Rect cell = skin::FrameRect(strip.width, strip.height, 4, frame, false);
    Put(scene.canvas, strip, skin::PlanNinePart(cell, r, Margins{2, 3, buttonWidth + 2, 3}, false), true);
    scene.Text(r.left + 5, r.top + 3, kText, text);
}

void StatusBar(Scene& scene, const Rect& bar, const std::vector<std::pair<int, std::string>>& panels)
{
    int left = bar.left;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const int right = i + 1 == panels.size() ? bar.right : bar.left + panels[i].first;
        Frame(scene.canvas, Rect{left, bar.top, right, bar.bottom}, "statusbar.bmp", 3, 1, Margins{2, 2, 2, 2}, false);
        scene.Text(left + 6, bar.top + 4, kStatusText, panels[i].second);
        left = right;
    }
    const PixelImage& extra = Img("extraimages.bmp");
    const int fw = extra.width / 5;
    Put(scene.canvas, extra,
        skin::PlanStretched(skin::FrameRect(extra.width, extra.height, 5, 5, false),
                            MakeRect(bar.right - fw - 1, bar.bottom - extra.height - 1, fw, extra.height)),
        true);
}

void MainWindow(Scene& scene, const Rect& at)
{
    WindowFrame(scene, at, true, "Ashwarden", 2);
    const int x = at.left + kBorder, y = at.top + kTitle;
    const int w = at.Width() - 2 * kBorder, h = at.Height() - kTitle - kBorder;
    const char* captions[] = {"Scan", "Clean", "Settings", "Exit", "Restore"};
    const int frames[] = {1, 5, 4, 2, 3};
    for (int i = 0; i < 5; ++i) PushButton(scene, MakeRect(x + 12, y + 14 + i * 33, 100, 25), frames[i], captions[i]);

    // The trace tree: a white list with a skinned scroll bar.
    const Rect tree{x + 126, y + 14, x + w - 12, y + h - 36};
    Fill(scene.canvas, tree, kShadow);
    Fill(scene.canvas, Rect{tree.left + 1, tree.top + 1, tree.right - 1, tree.bottom - 1}, kWhite);
    const char* rows[] = {"Advanced", "Extra Traces", "Firefox", "    Cache", "    Cookies", "    History",
                          "Internet Explorer", "    Temporary Internet Files", "Opera", "Windows"};
    const int selectedRow = 4;
    Fill(scene.canvas, MakeRect(tree.left + 2, tree.top + 6 + selectedRow * 19 - 1, tree.Width() - 21, 17), kMenuSelect);
    for (int i = 0; i < 10; ++i) scene.Text(tree.left + 8, tree.top + 6 + i * 19, i == selectedRow ? kWhite : kText, rows[i]);
    VerticalScrollBar(scene, Rect{tree.right - 1 - kScroll, tree.top + 1, tree.right - 1, tree.bottom - 1}, 40, 110, 3);

    StatusBar(scene, Rect{x, at.bottom - kBorder - 22, x + w, at.bottom - kBorder}, {{150, "Ready"}, {0, "106 categories, 12 selected"}});
}

void SettingsWindow(Scene& scene, const Rect& at)
{
    WindowFrame(scene, at, false, "Settings", -1);
    const int x = at.left + kBorder, y = at.top + kTitle;
    const int w = at.Width() - 2 * kBorder;

    // Tabs above a pane.
    const Rect pane{x + 8, y + 32, x + w - 8, at.bottom - kBorder - 44};
    Frame(scene.canvas, pane, "tabsheet.bmp", 1, 1, Margins{2, 2, 2, 2}, false);
    const char* tabs[] = {"General", "Cleaning", "Advanced"};
    const int tabX[] = {0, 70, 146}, tabW[] = {68, 74, 80};
    for (int i = 0; i < 3; ++i) {
        const bool selected = i == 1;
        const Rect tab{pane.left + 2 + tabX[i], pane.top - (selected ? 24 : 21), pane.left + 2 + tabX[i] + tabW[i],
                       pane.top + (selected ? 1 : 0)};
        Frame(scene.canvas, tab, "tab.bmp", 5, selected ? 2 : (i == 2 ? 3 : 1), Margins{4, 4, 4, 2}, true);
        scene.Text(tab.left + 10, tab.top + 4, selected ? kText : kTextSoft, tabs[i]);
    }
    const int cx = pane.left + 14, cy = pane.top + 14;
    CheckBox(scene, cx, cy, "checkbox.bmp", 5, "Clean at Windows shutdown", false);
    CheckBox(scene, cx, cy + 22, "checkbox.bmp", 6, "Minimize to System Tray", false);
    CheckBox(scene, cx, cy + 44, "checkbox.bmp", 1, "Create a restore point", false);
    CheckBox(scene, cx, cy + 66, "checkbox.bmp", 2, "Load saved selection", false);
    CheckBox(scene, cx, cy + 88, "checkbox.bmp", 9, "Partly selected", false);
    CheckBox(scene, cx, cy + 110, "checkbox.bmp", 8, "Delete index.dat (disabled)", true);
    CheckBox(scene, cx, cy + 136, "radiobutton.bmp", 5, "Start hidden", false);
    CheckBox(scene, cx + 120, cy + 136, "radiobutton.bmp", 2, "Clean and exit", false);

    PushButton(scene, MakeRect(at.right - kBorder - 92, at.bottom - kBorder - 36, 80, 25), 1, "Close");
    PushButton(scene, MakeRect(at.right - kBorder - 180, at.bottom - kBorder - 36, 80, 25), 5, "Save");
}

void Controls(Scene& scene, int x, int y)
{
    Fill(scene.canvas, MakeRect(x, y, 330, 170), kFace);
    ComboBox(scene, MakeRect(x + 10, y + 10, 150, 21), 1, "Firefox");
    ComboBox(scene, MakeRect(x + 170, y + 10, 150, 21), 4, "Hovered");

    const Rect progress = MakeRect(x + 10, y + 44, 200, 16);
    Frame(scene.canvas, progress, "progress.bmp", 1, 1, Margins{3, 3, 3, 3}, true);
    Frame(scene.canvas, Rect{progress.left + 2, progress.top + 2, progress.left + 122, progress.bottom - 2},
          "progresschunk.bmp", 1, 1, Margins{}, false);
    scene.Text(x + 220, y + 45, kTextSoft, "60 %");

    // Up-down buttons beside an edit, and a track bar.
    Fill(scene.canvas, MakeRect(x + 260, y + 40, 40, 24), kShadow);
    Fill(scene.canvas, MakeRect(x + 261, y + 41, 38, 22), kWhite);
    scene.Text(x + 266, y + 44, kText, "14");
    Stretched(scene.canvas, MakeRect(x + 283, y + 42, 15, 10), "spin.bmp", 8, 4);
    Stretched(scene.canvas, MakeRect(x + 283, y + 42, 15, 10), "spinarrow.bmp", 8, 4);
    Stretched(scene.canvas, MakeRect(x + 283, y + 52, 15, 10), "spin.bmp", 8, 5);
    Stretched(scene.canvas, MakeRect(x + 283, y + 52, 15, 10), "spinarrow.bmp", 8, 5);

    Fill(scene.canvas, MakeRect(x + 10, y + 86, 200, 4), kChannelBorder);
    Fill(scene.canvas, MakeRect(x + 11, y + 87, 198, 2), kChannel);
    for (int t = 0; t <= 10; ++t) Fill(scene.canvas, MakeRect(x + 15 + t * 19, y + 101, 1, 4), kShadow);
    Stretched(scene.canvas, MakeRect(x + 70, y + 78, 11, 20), "trackbot.bmp", 5, 1);
    Stretched(scene.canvas, MakeRect(x + 140, y + 78, 11, 20), "trackbot.bmp", 5, 4);
    Stretched(scene.canvas, MakeRect(x + 240, y + 78, 11, 20), "trackthumbh.bmp", 5, 1);
    Stretched(scene.canvas, MakeRect(x + 260, y + 78, 11, 20), "trackthumbh.bmp", 5, 5);

    // A list header and a horizontal scroll bar.
    const char* columns[] = {"Location", "Size", "Files"};
    const int colX[] = {0, 140, 220}, colW[] = {140, 80, 100};
    for (int i = 0; i < 3; ++i) {
        const Rect cell = MakeRect(x + 10 + colX[i], y + 114, colW[i], 22);
        Frame(scene.canvas, cell, "header.bmp", 5, i == 1 ? 4 : 1, Margins{2, 2, 2, 3}, false);
        scene.Text(cell.left + 6, cell.top + 3, kText, columns[i]);
    }
    HorizontalScrollBar(scene, MakeRect(x + 10, y + 140, 320, kScroll), 60, 170);
}

void PopupMenu(Scene& scene, const Rect& at)
{
    Frame(scene.canvas, at, "menubackground.bmp", 1, 1, Margins{2, 2, 2, 2}, false);
    const char* items[] = {"Check All", "Uncheck All", "-", "Expand All", "Collapse All", "Display Options"};
    int y = at.top + 3;
    for (int i = 0; i < 6; ++i) {
        const bool separator = items[i][0] == '-';
        const int h = separator ? 9 : 22;
        const Rect item{at.left + 3, y, at.right - 3, y + h};
        if (separator) {
            const PixelImage& mi = Img("menuitem.bmp");
            const Rect frame = skin::FrameRect(mi.width, mi.height, 5, 2, false);
            const Rect lowest{frame.left, frame.bottom - h, frame.right, frame.bottom};
            Put(scene.canvas, mi, skin::PlanThreePart(lowest, item, 4, 4), true);
        } else {
            Frame(scene.canvas, item, "menuitem.bmp", 5, i == 4 ? 4 : 1, Margins{6, 4, 6, 4}, true);
            scene.Text(item.left + 30, item.top + 4, i == 4 ? kWhite : kMenuText, items[i]);
        }
        y += h;
    }
}

}  // namespace

Preview RenderPreview()
{
    Scene scene(920, 620);
    VerticalGradient(scene.canvas, MakeRect(0, 0, 920, 620), Rgb(96, 108, 122), Rgb(64, 74, 86));
    MainWindow(scene, MakeRect(20, 20, 540, 420));
    SettingsWindow(scene, MakeRect(580, 20, 320, 350));
    PopupMenu(scene, MakeRect(580, 395, 170, 124));
    Controls(scene, 20, 450);
    return Preview{std::move(scene.canvas), std::move(scene.labels)};
}

}  // namespace aw::skinart
