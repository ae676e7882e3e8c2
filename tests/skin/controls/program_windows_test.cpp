// The program's own two windows: every control the dispatch reaches gets its painter, and only
// what the main window's switches leave out (panels) keeps the native look.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "app/main_form.h"
#include "control_test_support.h"
#include "settings/settings_form.h"
#include "skin/controls/control_skinning.h"
#include "support/ui_seams.h"
#include "ui/application.h"

namespace aw::skin {
namespace {

void ForEachWindowedControl(const ui::WinControl& parent, const std::function<void(ui::WinControl&)>& visit)
{
    for (const auto& child : parent.Children()) {
        if (auto* win = dynamic_cast<ui::WinControl*>(child.get())) {
            visit(*win);
            ForEachWindowedControl(*win, visit);
        }
    }
}

TEST(ProgramWindows, EveryControlButPanelsIsSkinnedAndComesBack)
{
    ui::Application::Instance().Initialize();
    aw::test::RecordingSeams seams;
    SettingsForm settings;
    MainForm main(StartMode::Normal, settings);
    main.Build();
    settings.FormCreate();
    settings.HandleNeeded();
    auto data = test::ShippedSkinData();

    for (ui::Form* form : {static_cast<ui::Form*>(&main), static_cast<ui::Form*>(&settings)}) {
        ControlSkins& skins = SkinControlsOf(form->Handle(), *data);
        int controls = 0;
        ForEachWindowedControl(*form, [&](ui::WinControl& control) {
            ++controls;
            const bool panel = std::string(control.ClassName()) == "TPanel";
            EXPECT_EQ(skins.IsSkinned(control.Handle()), !panel) << control.Name();
        });
        EXPECT_GT(controls, 8) << form->Name();
        UnskinControlsOf(form->Handle());
        ForEachWindowedControl(*form, [&](ui::WinControl& control) {
            EXPECT_NE(::SendMessageA(control.Handle(), kMsgSkinnedQuery, 0, 0), 1) << control.Name();
        });
    }
}

}  // namespace
}  // namespace aw::skin
