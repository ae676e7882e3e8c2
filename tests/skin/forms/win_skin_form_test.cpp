// Skinned windows under Wine: the shipped skin on framework forms, bare windows and dialogs,
// driven through the manager's hook and posted mouse messages, as a user's clicks arrive.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data_test_support.h"
#include "skin/forms/win_skin_form.h"
#include "skin/manager/skin_manager.h"
#include "ui/form.h"

namespace aw::skin {
namespace {

void Pump(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < milliseconds);
}

// Pumps until `done` holds or the time is up; a busy machine delays timers, never reorders them.
template <typename Condition>
bool PumpUntil(Condition done, DWORD limitMs = 4000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > limitMs) return false;
        Pump(20);
    }
    return true;
}

const char* PlainClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = "TSkinTestWindow";
        ::RegisterClassA(&wc);
        return "TSkinTestWindow";
    }();
    return name;
}

struct WindowDeleter {
    void operator()(HWND window) const
    {
        if (::IsWindow(window)) ::DestroyWindow(window);
    }
};
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

const char* MdiChildClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefMDIChildProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = "TSkinTestMdiChild";
        ::RegisterClassA(&wc);
        return "TSkinTestMdiChild";
    }();
    return name;
}

Window MakeWindow(DWORD style, HMENU menu = nullptr)
{
    return Window(::CreateWindowExA(0, PlainClass(), "Skinned test window", style, 40, 40, 320, 240, nullptr, menu,
                                    ::GetModuleHandleA(nullptr), nullptr));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A modeless standard dialog ("#32770") from an in-memory template.
Window MakeDialog(DWORD style, const wchar_t* title)
{
    std::vector<WORD> words(64, 0);
    auto* t = reinterpret_cast<DLGTEMPLATE*>(words.data());
    t->style = style;
    t->cx = 120;
    t->cy = 40;
    WORD* p = reinterpret_cast<WORD*>(t + 1);
    *p++ = 0;  // no menu
    *p++ = 0;  // standard class
    for (const wchar_t* c = title; *c; ++c) *p++ = static_cast<WORD>(*c);
    *p++ = 0;
    return Window(::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), t, nullptr,
                                               PlainDialogProc, 0));
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

SIZE ClientSize(HWND window)
{
    RECT r{};
    ::GetClientRect(window, &r);
    return SIZE{r.right, r.bottom};
}

// The window's pixels as the screen shows them.
std::vector<COLORREF> ScreenPixels(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    std::vector<COLORREF> pixels(static_cast<const COLORREF*>(bits), static_cast<const COLORREF*>(bits) + w * h);
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

class FormSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager = std::make_unique<TSkinManage>(factory);
        data = MakeData(true);
    }
    void TearDown() override
    {
        data.reset();
        manager.reset();
    }
    std::unique_ptr<TSkinData> MakeData(bool active, const std::vector<std::uint8_t>* stream = nullptr)
    {
        auto made = std::make_unique<TSkinData>(nullptr, [this] { return manager.get(); });
        made->SetMessageSink([](const std::string&) {});
        const auto shipped = test::ReadSourceFile("res/skin/ashwarden.skin");
        const auto& property = stream ? *stream : shipped;
        made->ReadSkinStream(property.data(), property.size());
        made->SkinControls = kMainWindowSkinControls;
        made->SetActive(active);
        made->Loaded();
        return made;
    }
    // A fresh manager and component, as a program starting with that skin has.
    void Restart(bool active, const std::vector<std::uint8_t>* stream = nullptr)
    {
        data.reset();
        manager.reset();
        manager = std::make_unique<TSkinManage>(factory);
        data = MakeData(active, stream);
    }
    static void Activate(HWND window)
    {
        ::ShowWindow(window, SW_SHOW);
        ::SetForegroundWindow(window);
        ::SetActiveWindow(window);
        Pump(60);
    }
    TWinSkinForm* Skin(HWND window) { return dynamic_cast<TWinSkinForm*>(manager->FindForm(window)); }
    static TWinSysButton* ButtonWithAction(TWinSkinForm& form, int action, bool visible = true)
    {
        for (const auto& b : form.Buttons())
            if (b->Element().Action == action && b->visible == visible) return b.get();
        return nullptr;
    }
    // A click as the platform delivers it: posted non-client button messages at a point of the
    // window, with the hit code the window gives that point.
    static void PostClick(HWND window, POINT windowPoint, bool doubleClick = false)
    {
        RECT r{};
        ::GetWindowRect(window, &r);
        const LPARAM at = MAKELPARAM(r.left + windowPoint.x, r.top + windowPoint.y);
        const WPARAM hit = static_cast<WPARAM>(::SendMessageA(window, WM_NCHITTEST, 0, at));
        ::PostMessageA(window, WM_NCMOUSEMOVE, hit, at);
        if (doubleClick) {
            ::PostMessageA(window, WM_NCLBUTTONDBLCLK, hit, at);
        } else {
            ::PostMessageA(window, WM_NCLBUTTONDOWN, hit, at);
            ::PostMessageA(window, WM_NCLBUTTONUP, hit, at);
        }
        Pump(150);
    }
    static POINT Centre(const Rect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    SkinWindowFactory factory;
    std::unique_ptr<TSkinManage> manager;
    std::unique_ptr<TSkinData> data;
};

TEST_F(FormSkin, AFormIsSkinnedOnActivationAndKeepsItsClientArea)
{
    ui::Form form("FormS", "TSkinTestForm", 300, 200);
    form.SetCaption("Skinned form");
    form.CreateForm();
    const SIZE client = ClientSize(form.Handle());
    Activate(form.Handle());
    TWinSkinForm* skin = Skin(form.Handle());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->State(), FormState::SetUp);
    // The shipped skin's borders: 8-pixel side images and a 60-pixel title image, two frames each.
    EXPECT_EQ(skin->Metrics(), (FrameMetrics{4, 30, 4, 4, 0}));
    EXPECT_EQ(skin->Border(), bkFixed);
    const SIZE after = ClientSize(form.Handle());
    EXPECT_EQ(after.cx, client.cx);
    EXPECT_EQ(after.cy, client.cy);
    RECT outer{};
    ::GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 308);
    EXPECT_EQ(outer.bottom - outer.top, 234);
    // The platform draws no caption buttons of its own.
    EXPECT_FALSE(::GetWindowLongA(form.Handle(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX));
    // The region cuts the rounded corners out of the frame and keeps the rest.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(::GetWindowRgn(form.Handle(), region), COMPLEXREGION);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 150, 15));
    EXPECT_TRUE(::PtInRegion(region, 150, 233));
    ::DeleteObject(region);
    // A hit in the title band is the caption; the window is moved from there.
    RECT r{};
    ::GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(::SendMessageA(form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + 150, r.top + 20)), HTCAPTION);
}

TEST_F(FormSkin, Tag99FormsAndForegroundDialogsAreNeverSkinned)
{
    ui::Form tagged("FormT", "TSkinTestForm", 200, 100);
    tagged.SetTag(99);
    tagged.CreateForm();
    Activate(tagged.Handle());
    EXPECT_EQ(manager->FindForm(tagged.Handle()), nullptr);

    Window foreground = MakeDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND, L"Front");
    ASSERT_EQ(ClassOf(foreground.get()), "#32770");
    Activate(foreground.get());
    EXPECT_EQ(manager->FindForm(foreground.get()), nullptr);
    EXPECT_TRUE(::GetWindowLongA(foreground.get(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(FormSkin, ADialogHasTheDialogBorderNoIconAndItsTitleFurtherLeft)
{
    Window dialog = MakeDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, L"A dialog with a long title here");
    Activate(dialog.get());
    TWinSkinForm* skin = Skin(dialog.get());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Border(), bkDialog);
    EXPECT_TRUE(skin->StandardDialog());
    EXPECT_EQ(ButtonWithAction(*skin, 3), nullptr);
    EXPECT_NE(ButtonWithAction(*skin, 0), nullptr);
    EXPECT_EQ(ButtonWithAction(*skin, 2), nullptr);
    EXPECT_EQ(skin->TitleRect().left, data->Skin().title.LeftWidth - 16);
    // Widened so that the whole title fits between the text shift and the right clip.
    RECT outer{};
    ::GetWindowRect(dialog.get(), &outer);
    HDC dc = ::GetDC(dialog.get());
    HGDIOBJ old = ::SelectObject(dc, data->CaptionFont());
    SIZE text{};
    const char title[] = "A dialog with a long title here";
    ::GetTextExtentPoint32A(dc, title, sizeof title - 1, &text);
    ::SelectObject(dc, old);
    ::ReleaseDC(dialog.get(), dc);
    EXPECT_GE(outer.right - outer.left, data->Skin().title.LeftWidth + text.cx + data->Skin().title.RightWidth);
}

TEST_F(FormSkin, CaptionButtonsFollowTheWindowStateAndAct)
{
    Window window = MakeWindow(WS_OVERLAPPEDWINDOW);
    Activate(window.get());
    TWinSkinForm* skin = Skin(window.get());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Border(), bkSizeable);
    ASSERT_NE(ButtonWithAction(*skin, 0), nullptr);
    ASSERT_NE(ButtonWithAction(*skin, 2), nullptr);
    TWinSysButton* maximize = ButtonWithAction(*skin, 1);
    ASSERT_NE(maximize, nullptr);
    EXPECT_TRUE(maximize->enabled);
    EXPECT_EQ(maximize->Element().Visibility, 2);  // the maximize image, not the restore one

    PostClick(window.get(), Centre(maximize->rect));
    EXPECT_TRUE(::IsZoomed(window.get()));
    TWinSysButton* restore = ButtonWithAction(*skin, 1);
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->Element().Visibility, 1);  // the restore image while maximized
    PostClick(window.get(), Centre(restore->rect));
    EXPECT_FALSE(::IsZoomed(window.get()));

    // A double click on the caption maximizes, another restores.
    PostClick(window.get(), POINT{150, 15}, true);
    EXPECT_TRUE(::IsZoomed(window.get()));
    PostClick(window.get(), POINT{150, 15}, true);
    EXPECT_FALSE(::IsZoomed(window.get()));

    PostClick(window.get(), Centre(ButtonWithAction(*skin, 2)->rect));
    EXPECT_TRUE(::IsIconic(window.get()));
    ::ShowWindow(window.get(), SW_RESTORE);
    Activate(window.get());
    ASSERT_EQ(Skin(window.get()), skin);

    PostClick(window.get(), Centre(ButtonWithAction(*skin, 0)->rect));
    EXPECT_FALSE(::IsWindow(window.get()));
}

TEST_F(FormSkin, WithoutMinimizeAndMaximizeBoxesMinimizeIsHiddenAndMaximizeDoesNothing)
{
    ui::Form form("FormM", "TSkinTestForm", 240, 120);
    form.CreateForm();
    ::SetWindowLongA(form.Handle(), GWL_STYLE, ::GetWindowLongA(form.Handle(), GWL_STYLE) & ~WS_MINIMIZEBOX);
    Activate(form.Handle());
    TWinSkinForm* skin = Skin(form.Handle());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(ButtonWithAction(*skin, 2), nullptr);
    EXPECT_EQ(ButtonWithAction(*skin, 1), nullptr);
    EXPECT_NE(ButtonWithAction(*skin, 0), nullptr);
    // The icon opens the system menu; two clicks on it close the window.
    TWinSysButton* icon = ButtonWithAction(*skin, 3);
    ASSERT_NE(icon, nullptr);
    PostClick(form.Handle(), Centre(icon->rect), true);
    EXPECT_FALSE(form.IsVisible());  // a framework form hides on close
}

TEST_F(FormSkin, AHoveredCaptionButtonNamesItself)
{
    Window window = MakeWindow(WS_OVERLAPPEDWINDOW);
    Activate(window.get());
    TWinSkinForm* skin = Skin(window.get());
    ASSERT_NE(skin, nullptr);
    TWinSysButton* close = ButtonWithAction(*skin, 0);
    ASSERT_NE(close, nullptr);
    RECT r{};
    ::GetWindowRect(window.get(), &r);
    const POINT at{r.left + Centre(close->rect).x, r.top + Centre(close->rect).y};
    ::SetCursorPos(at.x, at.y);
    ::PostMessageA(window.get(), WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(at.x, at.y));
    Pump(100);
    EXPECT_EQ(skin->Hot(), close);
    EXPECT_EQ(close->state, NcState::Hover);
    EXPECT_EQ(skin->ShownHint(), "");  // not at once: after twice the hint pause
    EXPECT_TRUE(PumpUntil([&] { return skin->ShownHint() == "Close"; }));
    ::SetCursorPos(r.left + 150, r.top + 120);
    EXPECT_TRUE(PumpUntil([&] { return skin->Hot() == nullptr; }));
    EXPECT_EQ(skin->ShownHint(), "");
}

TEST_F(FormSkin, UnskinningRestoresTheWindowExactly)
{
    Restart(false);
    ui::Form form("FormU", "TSkinTestForm", 260, 140);
    form.SetCaption("Native and back");
    form.CreateForm();
    Activate(form.Handle());
    Pump(200);
    RECT before{};
    ::GetWindowRect(form.Handle(), &before);
    const LONG style = ::GetWindowLongA(form.Handle(), GWL_STYLE);
    const std::vector<COLORREF> native = ScreenPixels(form.Handle());

    // Turned on while the form is already active: the manager's skin-all attaches it.
    data->SetActive(true);
    manager->ScheduleOp(DeferredOp::SkinAll, *data, 10);
    Pump(200);
    TWinSkinForm* skin = Skin(form.Handle());
    ASSERT_NE(skin, nullptr);
    EXPECT_NE(ScreenPixels(form.Handle()), native);

    // Off and on again within the delay: only the last request runs, the form stays skinned.
    int operations = 0;
    data->OnSkinChanged = [&](TSkinData&) { ++operations; };
    data->SetActive(false);
    data->SetActive(true);
    EXPECT_TRUE(PumpUntil([&] { return operations > 0; }));
    Pump(300);
    EXPECT_EQ(operations, 1);
    EXPECT_EQ(Skin(form.Handle()), skin);

    data->SetActive(false);
    EXPECT_TRUE(PumpUntil([&] { return manager->FindForm(form.Handle()) == nullptr; }));
    EXPECT_NE(::SendMessageA(form.Handle(), kMsgSkinnedQuery, 0, 0), 1);
    EXPECT_EQ(::GetWindowLongA(form.Handle(), GWL_STYLE), style);
    RECT after{};
    ::GetWindowRect(form.Handle(), &after);
    EXPECT_TRUE(::EqualRect(&before, &after));
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(form.Handle(), region), ERROR);  // no region any more
    ::DeleteObject(region);
    Pump(200);
    EXPECT_TRUE(ScreenPixels(form.Handle()) == native) << "the window does not look as it did before the skin";
}

TEST_F(FormSkin, ACorruptSkinLeavesTheNativeLookAndActiveOff)
{
    std::vector<std::uint8_t> corrupt = test::ReadSourceFile("res/skin/ashwarden.skin");
    ASSERT_GT(corrupt.size(), 100u);
    for (std::size_t i = 12; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
    Restart(true, &corrupt);
    EXPECT_FALSE(data->Active());
    EXPECT_FALSE(data->SkinReady());
    ui::Form form("FormC", "TSkinTestForm", 200, 100);
    form.CreateForm();
    const LONG style = ::GetWindowLongA(form.Handle(), GWL_STYLE) | WS_VISIBLE;
    Activate(form.Handle());
    EXPECT_EQ(manager->FindForm(form.Handle()), nullptr);
    EXPECT_EQ(::GetWindowLongA(form.Handle(), GWL_STYLE), style);
    data->SetActive(true);  // a skin that never loaded cannot be switched on
    EXPECT_FALSE(data->Active());

    // A foreign file named as the skin file changes nothing either.
    const std::string foreign = "foreign.skin";
    FILE* file = std::fopen(foreign.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("[Personality]\nLeft=frameleft.bmp\n", file);
    std::fclose(file);
    data->SetSkinFile(foreign);
    EXPECT_FALSE(data->SkinReady());
    Activate(form.Handle());
    EXPECT_EQ(manager->FindForm(form.Handle()), nullptr);

    // Named while the windows wear a good skin, it sends them back to their own look.
    Restart(true);
    ASSERT_TRUE(manager->AttachWindow(form.Handle()));
    Pump(100);
    ASSERT_NE(Skin(form.Handle()), nullptr);
    const std::vector<std::uint8_t> good = test::ReadSourceFile("res/skin/ashwarden.skin");
    FILE* reload = std::fopen("good.skin", "wb");
    ASSERT_NE(reload, nullptr);
    std::fwrite(good.data() + 4, 1, good.size() - 4, reload);  // the package without its length
    std::fclose(reload);
    data->SetSkinFile("good.skin");  // the same skin again: the buttons follow the new objects
    std::remove("good.skin");
    EXPECT_TRUE(data->Active());
    ASSERT_FALSE(Skin(form.Handle())->Buttons().empty());
    EXPECT_EQ(&Skin(form.Handle())->Buttons()[0]->Element(), data->Skin().captionButtons[0].get());
    Skin(form.Handle())->Repaint();
    data->SetSkinFile(foreign);
    std::remove(foreign.c_str());
    EXPECT_FALSE(data->Active());
    EXPECT_TRUE(PumpUntil([&] { return manager->FindForm(form.Handle()) == nullptr; }));
    EXPECT_EQ(::GetWindowLongA(form.Handle(), GWL_STYLE), style);
}

TEST_F(FormSkin, AnMdiFrameAndItsChildren)
{
    HMENU bar = ::CreateMenu();
    ::AppendMenuA(bar, MF_STRING, 201, "&Window");
    Window frame = MakeWindow(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bar);
    CLIENTCREATESTRUCT clientCreate{nullptr, 0xFF00};
    const HWND client = ::CreateWindowExA(0, "MDICLIENT", nullptr,
                                          WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 300,
                                          180, frame.get(), nullptr, ::GetModuleHandleA(nullptr), &clientCreate);
    ASSERT_NE(client, nullptr);
    Activate(frame.get());
    TWinSkinForm* skin = Skin(frame.get());
    ASSERT_NE(skin, nullptr);
    EXPECT_FALSE(skin->IsMdiChild());
    // The MDI client loses its own scroll bars when its frame is computed.
    ::SetWindowPos(client, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_FALSE(::GetWindowLongA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));

    // A child is skinned as it is created.
    MDICREATESTRUCTA create{MdiChildClass(), "Child", ::GetModuleHandleA(nullptr), 0, 0, 160, 100,
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0};
    const auto child = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(data->MenuUpdate);
    Pump(100);
    TWinSkinForm* childSkin = Skin(child);
    ASSERT_NE(childSkin, nullptr);
    EXPECT_TRUE(childSkin->IsMdiChild());
    TWinSysButton* maximize = ButtonWithAction(*childSkin, 1);
    ASSERT_NE(maximize, nullptr);

    // Maximized by its own button, the child hands its buttons to the frame's menu bar.
    PostClick(child, Centre(maximize->rect));
    EXPECT_TRUE(::IsZoomed(child));
    EXPECT_TRUE(manager->MDIMaximized());
    skin->Repaint();
    EXPECT_NE(ButtonWithAction(*skin, 9), nullptr);  // the child's close button, in the frame's menu band
    ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump(50);
    EXPECT_FALSE(manager->MDIMaximized());
    EXPECT_TRUE(data->MenuUpdate);
    skin->Repaint();
    EXPECT_EQ(ButtonWithAction(*skin, 9), nullptr);
}

TEST_F(FormSkin, HandlersSeeTheFormsAndControlsBeingSkinned)
{
    std::vector<std::string> seen;
    data->OnBeforeSkinForm = [&](TSkinData&, HWND, const std::string& name) { seen.push_back("before " + name); };
    data->OnAfterSkinForm = [&](TSkinData&, HWND, const std::string& name) { seen.push_back("after " + name); };
    struct Painter : ControlPainter {
        explicit Painter(int& alive) : alive_(alive) { ++alive_; }
        ~Painter() override { --alive_; }
        int& alive_;
    };
    int painters = 0;
    data->OnSkinControl = [&](TSkinData&, HWND, HWND, const std::string& controlClass,
                              std::unique_ptr<ControlPainter>& painter) {
        seen.push_back("control " + controlClass);
        painter = std::make_unique<Painter>(painters);
    };
    ui::Form form("FormH", "TSkinTestForm", 200, 100);
    form.CreateForm();
    const HWND edit = ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, form.Handle(), nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr);
    ::CreateWindowExA(0, "Button", "x", WS_CHILD | WS_VISIBLE, 5, 30, 80, 20, edit, nullptr, ::GetModuleHandleA(nullptr),
                      nullptr);
    Activate(form.Handle());
    const std::vector<std::string> expected = {"before TSkinTestForm", "control Edit", "control Button",
                                               "after TSkinTestForm"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(painters, 2);
    data->SetActive(false);
    EXPECT_TRUE(PumpUntil([&] { return painters == 0; }));  // unskinning frees the painters
}

TEST_F(FormSkin, AComponentThatOutlivesTheManagerNeverCallsIntoIt)
{
    ui::Form form("FormG", "TSkinTestForm", 200, 100);
    form.CreateForm();
    Activate(form.Handle());
    ASSERT_NE(Skin(form.Handle()), nullptr);
    manager.reset();  // unskins the form
    EXPECT_NE(::SendMessageA(form.Handle(), kMsgSkinnedQuery, 0, 0), 1);
    EXPECT_EQ(TSkinManage::Current(), nullptr);
    // With a manager access that would make a new one, the component still asks nothing.
    data->SetActive(false);
    data->SetActive(true);
    data->SetSkinFile("no such file.skin");
    data.reset();
}

// Ends the menu loop a test opened, after checking the menu window it shows.
struct OpenMenu {
    static inline HWND menuWindow = nullptr;
    static inline bool skinned = false;
    static inline PopupKind kind = PopupKind::Context;
    static void CALLBACK Check(HWND window, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(window, id);
        menuWindow = ::FindWindowA("#32768", nullptr);
        skinned = menuWindow && ::SendMessageA(menuWindow, kMsgSkinnedQuery, 0, 0) == 1;
        if (TSkinManage* manager = TSkinManage::Current()) kind = manager->GetPopupKind();
        ::EndMenu();
    }
    static void Arm(HWND window)
    {
        menuWindow = nullptr;
        skinned = false;
        ::SetTimer(window, 0x77, 300, &OpenMenu::Check);
    }
};

TEST_F(FormSkin, TheSystemMenuIsSkinned)
{
    Window window = MakeWindow(WS_OVERLAPPEDWINDOW);
    Activate(window.get());
    ASSERT_NE(Skin(window.get()), nullptr);
    OpenMenu::Arm(window.get());
    ::SendMessageA(window.get(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    EXPECT_NE(OpenMenu::menuWindow, nullptr);
    EXPECT_TRUE(OpenMenu::skinned);
    EXPECT_EQ(OpenMenu::kind, PopupKind::System);
    Pump(50);
    EXPECT_EQ(manager->PopupCount(), 0u);
}

TEST_F(FormSkin, AMenuBarIsDrawnByTheSkinAndGivenBack)
{
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuA(file, MF_STRING, 101, "&Open\tCtrl+O");
    ::AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(file, MF_STRING | MF_CHECKED, 102, "&Checked");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    ::AppendMenuA(bar, MF_STRING | MF_GRAYED, 103, "&Help");
    Window window = MakeWindow(WS_OVERLAPPEDWINDOW, bar);
    const SIZE client = ClientSize(window.get());
    Activate(window.get());
    TWinSkinForm* skin = Skin(window.get());
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar(), nullptr);
    EXPECT_EQ(::GetMenu(window.get()), nullptr);
    EXPECT_EQ(skin->Metrics().menuBar, ::GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(ClientSize(window.get()).cy, client.cy);
    ASSERT_EQ(skin->MenuBar()->Items().size(), 2u);
    EXPECT_TRUE(skin->MenuBar()->Items()[0]->enabled);
    EXPECT_FALSE(skin->MenuBar()->Items()[1]->enabled);
    RECT r{};
    ::GetWindowRect(window.get(), &r);
    const POINT item = Centre(skin->MenuBar()->Items()[0]->rect);
    EXPECT_EQ(::SendMessageA(window.get(), WM_NCHITTEST, 0, MAKELPARAM(r.left + item.x, r.top + item.y)), HTMENU);

    // Alt+F opens the drop-down, in a skinned menu window.
    OpenMenu::Arm(window.get());
    ::SendMessageA(window.get(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    EXPECT_TRUE(OpenMenu::skinned);
    EXPECT_EQ(OpenMenu::kind, PopupKind::MenuBar);
    // The items are the menu's own again once it has closed.
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoA(file, 0, TRUE, &info);
    EXPECT_FALSE(info.fType & MFT_OWNERDRAW);

    data->SetActive(false);
    EXPECT_TRUE(PumpUntil([&] { return ::GetMenu(window.get()) == bar; }));
}

}  // namespace
}  // namespace aw::skin
