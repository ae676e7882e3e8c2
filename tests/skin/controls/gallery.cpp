#include "gallery.h"

#include <commctrl.h>
#include <richedit.h>

#include "skin/controls/skin_common_controls.h"
#include "ui/application.h"

namespace aw::skin::test {

namespace {

constexpr int kPlayerButtons = 9;
const char* const kPressedProp = "GalleryPlayerPressed";
const char* const kClickedProp = "GalleryPlayerClicked";

int PlayerButtonAt(HWND window, int x)
{
    RECT client{};
    ::GetClientRect(window, &client);
    if (client.right <= 0) return -1;
    const int i = x * kPlayerButtons / client.right;
    return i >= 0 && i < kPlayerButtons ? i : -1;
}

LRESULT CALLBACK PlayerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto prop = [&](const char* name) { return static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropA(window, name))) - 1; };
    auto setProp = [&](const char* name, int value) {
        ::SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value + 1)));
    };
    switch (msg) {
    case WM_CREATE:
        setProp(kPressedProp, -1);
        setProp(kClickedProp, -1);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        setProp(kPressedProp, PlayerButtonAt(window, static_cast<short>(LOWORD(lParam))));
        ::SetCapture(window);
        ::InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_LBUTTONUP: {
        const int pressed = prop(kPressedProp);
        if (::GetCapture() == window) ::ReleaseCapture();
        if (pressed >= 0 && pressed == PlayerButtonAt(window, static_cast<short>(LOWORD(lParam))))
            setProp(kClickedProp, pressed);
        setProp(kPressedProp, -1);
        ::InvalidateRect(window, nullptr, TRUE);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(window, &ps);
        RECT client{};
        ::GetClientRect(window, &client);
        static const char* const kSigns[kPlayerButtons] = {">", "||", "[]", ">|", "|<", ">>", "<<", "o", "^"};
        ::SetBkMode(dc, TRANSPARENT);
        const bool enabled = ::IsWindowEnabled(window) != FALSE;
        ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        for (int i = 0; i < kPlayerButtons; ++i) {
            RECT r{i * client.right / kPlayerButtons, 0, (i + 1) * client.right / kPlayerButtons, client.bottom};
            ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (prop(kPressedProp) == i ? DFCS_PUSHED : 0));
            ::DrawTextA(dc, kSigns[i], -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        }
        ::EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::RemovePropA(window, kPressedProp);
        ::RemovePropA(window, kClickedProp);
        return 0;
    default:
        return ::DefWindowProcA(window, msg, wParam, lParam);
    }
}

// Other libraries' controls, as window classes of the names the default Skin3rd list gives
// them, behaving as the system's buttons.
void RegisterLibraryClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXA button{};
    button.cbSize = sizeof button;
    ::GetClassInfoExA(nullptr, "BUTTON", &button);
    for (const char* name : {"TRzMenuButton", "TRzBitbtn", "TRxSpeedButton", "TRzButton"}) {
        WNDCLASSEXA copy = button;
        copy.hInstance = ::GetModuleHandleA(nullptr);
        copy.lpszClassName = name;
        ::RegisterClassExA(&copy);
    }
    // A media player as another library draws it: nine push buttons side by side, pressed while
    // the mouse holds them; a click is noted on the window.
    WNDCLASSA player{};
    player.style = CS_DBLCLKS;
    player.lpfnWndProc = &PlayerProc;
    player.hInstance = ::GetModuleHandleA(nullptr);
    player.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    player.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    player.lpszClassName = "TMediaPlayer";
    ::RegisterClassA(&player);
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                               ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&init);
    ::LoadLibraryA("riched20.dll");
}

HBITMAP GlyphBitmap()
{
    // A 16 x 16 glyph: a teal square on a magenta (transparent) ground.
    static HBITMAP glyph = [] {
        HDC screen = ::GetDC(nullptr);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
        HDC dc = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        RECT all{0, 0, 16, 16};
        HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
        HBRUSH teal = ::CreateSolidBrush(RGB(0, 128, 128));
        ::FillRect(dc, &all, magenta);
        RECT inner{3, 3, 13, 13};
        ::FillRect(dc, &inner, teal);
        ::DeleteObject(magenta);
        ::DeleteObject(teal);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::ReleaseDC(nullptr, screen);
        return bitmap;
    }();
    return glyph;
}

}  // namespace

int PlayerClicked(HWND player)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropA(player, kClickedProp))) - 1;
}

const char* GalleryGroupName(GalleryGroup group)
{
    switch (group) {
    case GalleryGroup::Lists: return "lists";
    case GalleryGroup::Ranges: return "ranges";
    case GalleryGroup::Tabs: return "tabs";
    default: return "others";
    }
}

Gallery::Gallery(GalleryGroup group)
    : group_(group), form_("Gallery", "TGalleryForm", 560, 330)
{
    RegisterLibraryClasses();
    form_.CreateForm();
    switch (group) {
    case GalleryGroup::Lists: BuildLists(); break;
    case GalleryGroup::Ranges: BuildRanges(); break;
    case GalleryGroup::Tabs: BuildTabs(); break;
    case GalleryGroup::Others: BuildOthers(); break;
    }
    form_.Show();
    ui::Application::Instance().ProcessMessages();
}

Gallery::~Gallery() { UnskinControlsOf(form_.Handle()); }

HWND Gallery::Control(const std::string& name) const
{
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

HWND Gallery::Add(const std::string& name, const char* windowClass, const char* text, DWORD style, int x, int y,
                  int w, int h, DWORD exStyle)
{
    static int id = 100;
    HWND window = ::CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                    form_.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)),
                                    ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    controls_[name] = window;
    return window;
}

void Gallery::BuildLists()
{
    const char* items[] = {"Firefox", "Chromium", "Opera", "Pale Moon", "Vivaldi", "Edge", "Brave", "Waterfox"};
    auto fill = [&](HWND combo, UINT add) {
        for (const char* item : items) ::SendMessageA(combo, add, 0, reinterpret_cast<LPARAM>(item));
    };
    // Three times the items its drop-down shows, so that the dropped list scrolls.
    HWND longCombo = Add("combo", "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 10, 160, 200);
    for (int i = 0; i < 3; ++i) fill(longCombo, CB_ADDSTRING);
    fill(Add("comboEdit", "ComboBox", "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 10, 40, 160, 200), CB_ADDSTRING);
    fill(Add("comboDisabled", "ComboBox", "", CBS_DROPDOWNLIST | WS_DISABLED, 10, 70, 160, 200), CB_ADDSTRING);
    fill(Add("comboHot", "ComboBox", "", CBS_DROPDOWNLIST, 10, 100, 160, 200), CB_ADDSTRING);
    HWND ex = Add("comboEx", "ComboBoxEx32", "", CBS_DROPDOWNLIST, 10, 130, 160, 200);
    for (const char* item : items) {
        COMBOBOXEXITEMA entry{};
        entry.mask = CBEIF_TEXT;
        entry.iItem = -1;
        entry.pszText = const_cast<char*>(item);
        ::SendMessageA(ex, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    }
    for (const char* name : {"combo", "comboEdit", "comboDisabled", "comboHot"})
        ::SendMessageA(Control(name), CB_SETCURSEL, 1, 0);
    ::SendMessageA(ex, CB_SETCURSEL, 2, 0);

    // Twice the items the list shows, so that it scrolls.
    HWND list = Add("list", "ListBox", "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 190, 10, 150, 120);
    fill(list, LB_ADDSTRING);
    fill(list, LB_ADDSTRING);
    fill(Add("listDisabled", "ListBox", "", WS_VSCROLL | WS_BORDER | WS_DISABLED, 190, 140, 150, 80), LB_ADDSTRING);

    HWND view = Add("listView", "SysListView32", "", LVS_REPORT | WS_TABSTOP, 360, 10, 190, 150, WS_EX_CLIENTEDGE);
    const char* columns[] = {"Browser", "Items", "Size"};
    for (int c = 0; c < 3; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = c == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.cx = c == 0 ? 80 : 50;
        column.pszText = const_cast<char*>(columns[c]);
        ::SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < 12; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(items[i % 8]);
        ::SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::string count = std::to_string(10 + i * 7);
        item.iSubItem = 1;
        item.pszText = count.data();
        ::SendMessageA(view, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    }
    HWND header = Add("header", "SysHeader32", "", HDS_BUTTONS | HDS_HORZ, 360, 180, 190, 22);
    const char* sections[] = {"Name", "Sorted", "Date"};
    for (int c = 0; c < 3; ++c) {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 60;
        item.fmt = HDF_STRING | (c == 1 ? HDF_SORTUP : 0);
        item.pszText = const_cast<char*>(sections[c]);
        ::SendMessageA(header, HDM_INSERTITEMA, c, reinterpret_cast<LPARAM>(&item));
    }
}

void Gallery::BuildRanges()
{
    const int positions[] = {0, 37, 100};
    for (int i = 0; i < 3; ++i) {
        HWND bar = Add("progress" + std::to_string(positions[i]), PROGRESS_CLASSA, "", 0, 10, 10 + i * 26, 200, 18);
        ::SendMessageA(bar, PBM_SETPOS, positions[i], 0);
    }
    HWND smooth = Add("progressSmooth", PROGRESS_CLASSA, "", PBS_SMOOTH, 10, 88, 200, 18);
    ::SendMessageA(smooth, PBM_SETPOS, 60, 0);
    HWND vertical = Add("progressVertical", PROGRESS_CLASSA, "", PBS_VERTICAL, 220, 10, 18, 96);
    ::SendMessageA(vertical, PBM_SETPOS, 45, 0);

    struct Track {
        const char* name;
        DWORD style;
        int x, y, w, h, position;
    };
    const Track tracks[] = {
        {"trackMin", TBS_AUTOTICKS | TBS_BOTTOM, 10, 120, 200, 32, 0},
        {"track", TBS_AUTOTICKS | TBS_TOP, 10, 156, 200, 32, 5},
        {"trackMax", TBS_AUTOTICKS | TBS_BOTH, 10, 192, 200, 40, 10},
        {"trackDisabled", TBS_AUTOTICKS | WS_DISABLED, 10, 236, 200, 32, 3},
        {"trackVertical", TBS_VERT | TBS_AUTOTICKS | TBS_RIGHT, 250, 10, 36, 200, 2},
        {"trackLeft", TBS_VERT | TBS_AUTOTICKS | TBS_LEFT, 290, 10, 36, 200, 5},
        {"trackVerticalBoth", TBS_VERT | TBS_AUTOTICKS | TBS_BOTH, 330, 10, 44, 200, 8},
    };
    for (const Track& t : tracks) {
        HWND track = Add(t.name, TRACKBAR_CLASSA, "", t.style | WS_TABSTOP, t.x, t.y, t.w, t.h);
        ::SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
        ::SendMessageA(track, TBM_SETPOS, TRUE, t.position);
    }
    HWND edit = Add("spinEdit", "EDIT", "5", ES_NUMBER | WS_BORDER, 400, 10, 60, 22);
    HWND spin = Add("spin", UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ARROWKEYS, 462, 10, 17, 22);
    ::SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    ::SendMessageA(spin, UDM_SETRANGE32, 0, 100);
    ::SendMessageA(spin, UDM_SETPOS32, 0, 5);
    HWND horizontal = Add("spinHorizontal", UPDOWN_CLASSA, "", UDS_HORZ, 400, 40, 34, 17);
    ::SendMessageA(horizontal, UDM_SETRANGE32, 0, 100);
    ::SendMessageA(horizontal, UDM_SETPOS32, 0, 50);
    // An up-down inside an edit, as some libraries' spin edits hold theirs.
    HWND spinHost = Add("spinHost", "EDIT", "12", WS_BORDER, 480, 40, 70, 22);
    controls_["spinInside"] = ::CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 50, 0, 16, 18, spinHost,
                                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
    Add("spinDisabled", UPDOWN_CLASSA, "", WS_DISABLED, 400, 64, 17, 22);
    Add("spinHot", UPDOWN_CLASSA, "", 0, 430, 64, 17, 22);
}

void Gallery::BuildOthers()
{
    Add("date", DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT | WS_TABSTOP, 10, 10, 160, 22);
    Add("time", DATETIMEPICK_CLASSA, "", DTS_TIMEFORMAT | DTS_UPDOWN, 10, 40, 160, 22);
    Add("dateDisabled", DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT | WS_DISABLED, 10, 70, 160, 22);
    HWND rich = Add("rich", "RichEdit20A", "", ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL | WS_BORDER, 10, 100, 160, 90);
    std::string text;
    for (int i = 0; i < 20; ++i) text += "Rich edit line " + std::to_string(i + 1) + "\r\n";
    ::SendMessageA(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));

    HWND toolbar = Add("toolbar", TOOLBARCLASSNAMEA, "", TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NODIVIDER | CCS_NORESIZE |
                                                            CCS_NOPARENTALIGN,
                       190, 10, 360, 28);
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    static HIMAGELIST images = [] {
        HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
        // Adding with a mask blackens the masked pixels of the bitmap given: a copy.
        auto copy = static_cast<HBITMAP>(::CopyImage(GlyphBitmap(), IMAGE_BITMAP, 0, 0, 0));
        ImageList_AddMasked(list, copy, RGB(255, 0, 255));
        ::DeleteObject(copy);
        return list;
    }();
    ::SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    const char* labels[] = {"Scan", "Clean", "Checked", "Off"};
    TBBUTTON buttons[5] = {};
    for (int i = 0, b = 0; i < 5; ++i) {
        if (i == 2) {
            buttons[i].fsStyle = BTNS_SEP;
            continue;
        }
        buttons[i].iBitmap = b == 0 ? 0 : I_IMAGENONE;  // the first button has an image
        buttons[i].idCommand = 1000 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | (b == 2 ? BTNS_CHECK : 0);
        buttons[i].iString = reinterpret_cast<INT_PTR>(labels[b++]);
    }
    buttons[3].fsState |= TBSTATE_CHECKED;
    buttons[4].fsState = 0;
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, 5, reinterpret_cast<LPARAM>(buttons));

    HWND bitButton = Add("bitButton", "TRzBitbtn", "Bit button", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, 190, 50, 110, 26);
    ::SendMessageA(bitButton, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(GlyphBitmap()));
    ::SetWindowTextA(bitButton, "Bit button");
    Add("speedButton", "TRxSpeedButton", "Speed", BS_PUSHBUTTON, 310, 50, 80, 26);
    Add("menuButton", "TRzMenuButton", "Menu", BS_PUSHBUTTON | WS_TABSTOP, 400, 50, 110, 26);
    Add("menuButtonDisabled", "TRzMenuButton", "Disabled", BS_PUSHBUTTON | WS_DISABLED, 400, 82, 110, 26);

    HWND player = Add("player", "TMediaPlayer", "", WS_TABSTOP, 190, 130, 253, 30);
    (void)player;
    Add("playerDisabled", "TMediaPlayer", "", WS_DISABLED, 190, 170, 253, 30);
}

void Gallery::BuildTabs()
{
    // One tab control for each side the tabs can lie on; tabs on the sides need several rows
    // allowed.
    HWND top = Add("tabs", WC_TABCONTROLA, "", TCS_TABS, 10, 10, 260, 110);
    HWND bottom = Add("bottomTabs", WC_TABCONTROLA, "", TCS_BOTTOM, 290, 10, 260, 110);
    HWND left = Add("leftTabs", WC_TABCONTROLA, "", TCS_VERTICAL | TCS_MULTILINE, 10, 130, 260, 150);
    HWND right = Add("rightTabs", WC_TABCONTROLA, "", TCS_VERTICAL | TCS_BOTTOM | TCS_MULTILINE, 290, 130, 260, 150);
    HWND buttonTabs = Add("buttonTabs", WC_TABCONTROLA, "", TCS_BUTTONS, 10, 292, 360, 26);
    // More tabs than fit: the control shows its scroll arrows.
    HWND scrolling = Add("scrollTabs", WC_TABCONTROLA, "", TCS_TABS, 380, 292, 170, 30);
    for (HWND tab : {top, bottom, left, right, buttonTabs, scrolling}) {
        const char* names[] = {"General", "Cleaning", "Advanced", "Schedule", "About"};
        for (int i = 0; i < (tab == scrolling ? 5 : 3); ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(names[i]);
            ::SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        ::SendMessageA(tab, TCM_SETCURSEL, 1, 0);
    }
    ::SendMessageA(top, TCM_SETCURSEL, 0, 0);
}

ControlSkins& Gallery::Skin(TSkinData& data)
{
    ControlSkins& skins = SkinControlsOf(form_.Handle(), data, GalleryHooks());
    ui::Application::Instance().ProcessMessages();
    return skins;
}

void Gallery::SetStates()
{
    switch (group_) {
    case GalleryGroup::Lists:
        ::SendMessageA(Control("list"), LB_SETCURSEL, 2, 0);
        ::SendMessageA(Control("comboHot"), WM_MOUSEMOVE, 0, MAKELPARAM(150, 8));
        break;
    case GalleryGroup::Ranges:
        ::SetFocus(Control("track"));
        ::SendMessageA(Control("spinHot"), WM_MOUSEMOVE, 0, MAKELPARAM(8, 16));
        break;
    case GalleryGroup::Tabs:
        break;
    case GalleryGroup::Others:
        ::SendMessageA(Control("player"), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        ::SendMessageA(Control("menuButton"), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        ::SendMessageA(Control("toolbar"), TB_SETHOTITEM, 0, 0);
        break;
    }
    ui::Application::Instance().ProcessMessages();
}

void AddGallerySkin3rd(TSkinData& data)
{
    for (const char* line : {"ComboBox=combobox", "ComboBoxEx32=comboboxex", "msctls_progress32=progress",
                             "msctls_trackbar32=trackbar", "SysDateTimePick32=datetimepicker"})
        data.Skin3rd.push_back(line);
}

ControlSkinHooks GalleryHooks()
{
    ControlSkinHooks hooks;
    hooks.onSkinControl = [](HWND, HWND control, ui::Control*, const std::string&, bool&) {
        return CommonControlPainter(control);
    };
    return hooks;
}

}  // namespace aw::skin::test
