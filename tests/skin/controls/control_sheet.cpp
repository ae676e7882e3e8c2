// control_sheet: pictures of the skinned controls for the documentation.
//
//   control_sheet sheet <out.bmp>     a test form with every state of every skinned control
//   control_sheet windows <folder>    the program's main window and the four settings pages,
//                                     their controls skinned (main.bmp, settings-0..3.bmp)
//   control_sheet native <folder>     the same windows never skinned
//   control_sheet unskinned <folder>  the same windows skinned and unskinned again
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "control_test_support.h"
#include "settings/settings_form.h"
#include "skin/controls/control_skinning.h"
#include "skin/controls/skin_painters.h"
#include "skin/draw/gdi_pixels.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/tree_view.h"

namespace {

using namespace aw;
using namespace aw::skin;
using test::SaveBmp;

std::vector<std::string> MemoLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i)
        lines.push_back("FIL:%AppData%\\Browser\\Profile" + std::to_string(i) + "\\cache\\entries\\index.dat");
    return lines;
}

int Sheet(const std::string& out)
{
    ui::Form form("Sheet", "TControlSheet", 640, 500);
    form.CreateForm();
    auto data = test::ShippedSkinData();
    data->Skin3rd.push_back("TRadioGroup=radiogroup");

    auto label = [&](int left, int top, const char* text) {
        form.Add<ui::Label>(ui::Bounds{left, top, 120, 13}, std::string("L") + text, text);
    };
    label(10, 6, "Buttons");
    const char* buttonStates[] = {"Normal", "Hover", "Pressed", "Default", "Focused", "Disabled"};
    std::vector<ui::Button*> buttons;
    for (int i = 0; i < 6; ++i) {
        auto& b = form.Add<ui::Button>(ui::Bounds{10 + i * 104, 22, 96, 25}, std::string("B") + buttonStates[i],
                                       buttonStates[i]);
        buttons.push_back(&b);
    }
    buttons[3]->Default = true;
    auto& twoLines = form.Add<ui::Button>(ui::Bounds{10, 52, 96, 36}, "BTwo", "Two||lines");
    (void)twoLines;

    label(10, 96, "Check boxes");
    const char* checkStates[] = {"Unchecked", "Checked", "Mixed", "Hover", "Pressed", "Disabled", "Disabled checked"};
    std::vector<ui::CheckBox*> checks;
    for (int i = 0; i < 7; ++i) {
        auto& c = form.Add<ui::CheckBox>(ui::Bounds{10 + (i % 4) * 150, 112 + (i / 4) * 20, 140, 17},
                                         std::string("C") + checkStates[i], checkStates[i], i == 1 || i == 6);
        checks.push_back(&c);
    }

    auto& group = form.Add<test::RadioGroup>(ui::Bounds{10, 160, 300, 70}, "RadioGroup1", "Radio buttons");
    const char* radioStates[] = {"Normal", "Checked", "Hover", "Disabled"};
    std::vector<HWND> radios;
    for (int i = 0; i < 4; ++i)
        radios.push_back(group.Add<test::RadioButton>(ui::Bounds{10 + (i % 2) * 140, 20 + (i / 2) * 22, 130, 17},
                                                      std::string("R") + radioStates[i], radioStates[i])
                             .Handle());

    auto& pages = form.Add<ui::PageControl>(ui::Bounds{320, 160, 310, 140}, "PageControl1");
    pages.AddPage("T1", "  General  ");
    pages.AddPage("T2", "  Cleaning  ");
    pages.AddPage("T3", "  Advanced  ");
    pages.SetActivePageIndex(1);
    pages.Page(1).Add<ui::Edit>(ui::Bounds{8, 8, 200, 21}, "Edit1").SetText("An edit");
    auto& closable = form.Add<ui::PageControl>(ui::Bounds{10, 236, 300, 64}, "PageControl2");
    closable.SetTag(kCloseBoxTag);
    closable.AddPage("T4", "  Close me  ");
    closable.AddPage("T5", "  Me too  ");

    label(10, 306, "Scroll bars: top, middle, bottom, dragging");
    std::vector<ui::Memo*> memos;
    for (int i = 0; i < 4; ++i) {
        auto& m = form.Add<ui::Memo>(ui::Bounds{10 + i * 156, 322, 148, 140}, "Memo" + std::to_string(i));
        m.SetLines(MemoLines());
        memos.push_back(&m);
    }
    auto& status = form.Add<ui::StatusBar>(ui::Bounds{0, 480, 640, 20}, "StatusBar1");
    status.SetPanels({{200, "Ready"}, {200, "106 categories, 12 selected"}});

    form.Show();
    test::Pump();
    ControlSkins& skins = SkinControlsOf(form.Handle(), *data);
    (void)skins;
    test::Pump();

    buttons[5]->SetEnabled(false);
    checks[2]->SetChecked(false);
    ::SendMessageA(checks[2]->Handle(), BM_SETSTYLE, BS_3STATE, FALSE);
    ::SendMessageA(checks[2]->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    checks[5]->SetEnabled(false);
    checks[6]->SetEnabled(false);
    ::SendMessageA(radios[1], BM_SETCHECK, BST_CHECKED, 0);
    ::EnableWindow(radios[3], FALSE);
    ::SendMessageA(memos[1]->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 25), 0);
    ::SendMessageA(memos[1]->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    ::SendMessageA(memos[2]->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    buttons[4]->SetFocus();
    test::Pump();
    // Hover and press last: nothing pumps the mouse-leave notice before the picture.
    ::SendMessageA(buttons[1]->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::SendMessageA(buttons[2]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    buttons[4]->SetFocus();
    ::SendMessageA(checks[3]->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(checks[4]->Handle(), BM_SETSTATE, TRUE, 0);
    ::SendMessageA(radios[2], WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));

    // The dragged thumb: the picture is taken inside the memo's own scrolling loop, which
    // dispatches the message that takes it.
    auto* painter = dynamic_cast<TSkinScrollbar*>(ControlSkinsOf(form.Handle())->Find(memos[3]->Handle()));
    TWScrollbar* bar = painter ? painter->Bar(true) : nullptr;
    PixelImage picture;
    constexpr UINT kTakePicture = WM_APP + 7;
    form.OnMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        if (msg != kTakePicture) return false;
        bar->Repaint();
        picture = test::Capture(form.Handle());
        result = 0;
        return true;
    };
    SCROLLBARINFO info{};
    if (bar && bar->NativeInfo(info)) {
        const int across = (info.rcScrollBar.right - info.rcScrollBar.left) / 2;
        const POINT press{across, (info.xyThumbTop + info.xyThumbBottom) / 2};
        POINT screen = press;
        ::ClientToScreen(bar->Handle(), &screen);
        POINT target{screen.x, screen.y + 45};
        ::SetCursorPos(target.x, target.y);
        POINT client = target;
        ::ScreenToClient(memos[3]->Handle(), &client);
        ::PostMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        ::PostMessageA(memos[3]->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        ::PostMessageA(form.Handle(), kTakePicture, 0, 0);
        ::PostMessageA(memos[3]->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        // Only the queued messages: a pump would deliver the hover's leave notices first.
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_MOUSELEAVE) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
            if (!picture.Empty()) break;
        }
    }
    if (picture.Empty()) picture = test::Capture(form.Handle());
    return SaveBmp(picture, out) ? 0 : 1;
}

enum class Look { Native, Skinned, Unskinned };

int Windows(const std::string& folder, Look look)
{
    SettingsForm settings;
    MainForm main(StartMode::Normal, settings);
    ui::Application::Instance().SetMainForm(&main);
    main.Build();
    settings.FormCreate();
    main.Show();
    test::Pump();
    auto data = test::ShippedSkinData();
    const auto shoot = [&](ui::Form& form, const std::string& name) {
        test::Pump();
        SaveBmp(test::Capture(form.Handle()), folder + "\\" + name);
    };
    if (look != Look::Native) SkinControlsOf(main.Handle(), *data);
    if (look == Look::Unskinned) UnskinControlsOf(main.Handle());
    shoot(main, "main.bmp");
    settings.Show();
    if (look != Look::Native) SkinControlsOf(settings.Handle(), *data);
    if (look == Look::Unskinned) UnskinControlsOf(settings.Handle());
    for (int page = 0; page < 4; ++page) {
        settings.pages->SetActivePageIndex(page);
        shoot(settings, "settings-" + std::to_string(page) + ".bmp");
    }
    UnskinControlsOf(settings.Handle());
    UnskinControlsOf(main.Handle());
    settings.Hide();
    ui::Application::Instance().SetMainForm(nullptr);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    ui::Application::Instance().Initialize();
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "sheet" && argc > 2) return Sheet(argv[2]);
    if (mode == "native" && argc > 2) return Windows(argv[2], Look::Native);
    if (mode == "windows" && argc > 2) return Windows(argv[2], Look::Skinned);
    if (mode == "unskinned" && argc > 2) return Windows(argv[2], Look::Unskinned);
    std::fprintf(stderr, "usage: control_sheet sheet <out.bmp> | native|windows|unskinned <folder>\n");
    return 2;
}
