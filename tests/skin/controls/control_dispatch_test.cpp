// The choice of a control's painter, in the order the dispatch applies its rules.

#include <gtest/gtest.h>

#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_states.h"

namespace aw::skin {
namespace {

ControlFacts Control(const std::string& className, ControlBase base, int tag = 0)
{
    ControlFacts facts;
    facts.className = className;
    facts.base = base;
    facts.tag = tag;
    return facts;
}

DispatchSwitches MainWindowSwitches()
{
    DispatchSwitches s;
    s.controls = kMainWindowSkinControls;
    s.skinHasTabs = true;
    return s;
}

PainterKind Choose(const ControlFacts& facts, const DispatchSwitches& s = MainWindowSwitches(),
                   const std::string& kind = "")
{
    return DecideControl(facts, s, kind, HandlerAnswer::NoHandler).painter;
}

TEST(ControlDispatch, DisableTagKeepsAControlAndAWholeGroupNative)
{
    DispatchSwitches s = MainWindowSwitches();
    ControlPlan button = DecideControl(Control("TButton", ControlBase::Button, 99), s, "", HandlerAnswer::NoHandler);
    EXPECT_TRUE(button.skip);
    EXPECT_FALSE(button.childrenGetDisableTag);
    EXPECT_EQ(Choose(Control("TButton", ControlBase::Button, 98)), PainterKind::PushButton);

    s.disableTag = 7;
    ControlPlan group = DecideControl(Control("TRadioGroup", ControlBase::Other, 7), s, "radiogroup", HandlerAnswer::NoHandler);
    EXPECT_TRUE(group.skip);
    EXPECT_TRUE(group.childrenGetDisableTag);
    EXPECT_TRUE(DecideControl(Control("TLMDCheckGroup", ControlBase::Other, 7), s, "", HandlerAnswer::NoHandler)
                    .childrenGetDisableTag);
    EXPECT_EQ(Choose(Control("TButton", ControlBase::Button, 99), s), PainterKind::PushButton);
}

TEST(ControlDispatch, SkinnedOrOrphanControlsAreLeftAlone)
{
    ControlFacts skinned = Control("TButton", ControlBase::Button);
    skinned.alreadySkinned = true;
    EXPECT_FALSE(ReachesHandler(skinned, MainWindowSwitches()));
    EXPECT_TRUE(DecideControl(skinned, MainWindowSwitches(), "", HandlerAnswer::Painter).skip);
    ControlFacts orphan = Control("TButton", ControlBase::Button);
    orphan.hasParent = false;
    EXPECT_TRUE(DecideControl(orphan, MainWindowSwitches(), "", HandlerAnswer::NoHandler).skip);
    ControlFacts noWindow = Control("TButton", ControlBase::Button);
    noWindow.hasHandle = false;
    EXPECT_TRUE(DecideControl(noWindow, MainWindowSwitches(), "", HandlerAnswer::NoHandler).skip);
}

TEST(ControlDispatch, HandlerThenSkin3rdThenExcludedClassesThenNativeTable)
{
    const ControlFacts button = Control("TButton", ControlBase::Button);
    ControlPlan handled = DecideControl(button, MainWindowSwitches(), "nil", HandlerAnswer::PainterWithBackground);
    EXPECT_EQ(handled.painter, PainterKind::FromHandler);
    EXPECT_TRUE(handled.backgroundMode);
    // A handler that supplies nothing lets the dispatch go on.
    EXPECT_EQ(DecideControl(button, MainWindowSwitches(), "", HandlerAnswer::NoPainter).painter, PainterKind::PushButton);

    EXPECT_TRUE(DecideControl(button, MainWindowSwitches(), "NIL", HandlerAnswer::NoHandler).skip);
    EXPECT_EQ(Choose(button, MainWindowSwitches(), "CheckBox"), PainterKind::CheckBox);
    // A kind whose switch is off handles the control all the same: it is not taken as a button.
    EXPECT_EQ(Choose(button, MainWindowSwitches(), "panel"), PainterKind::None);
    DispatchSwitches withPanels = MainWindowSwitches();
    withPanels.controls.Include(xcPanel);
    ControlPlan panel = DecideControl(button, withPanels, "panel", HandlerAnswer::NoHandler);
    EXPECT_EQ(panel.painter, PainterKind::Box);
    EXPECT_TRUE(panel.setTransparent);

    EXPECT_TRUE(DecideControl(Control("TfrDesignerPage", ControlBase::Panel), withPanels, "", HandlerAnswer::NoHandler).skip);
}

TEST(ControlDispatch, NativeClassesOfTheProgramsWindows)
{
    EXPECT_EQ(Choose(Control("TMemo", ControlBase::Memo)), PainterKind::Scrollbar);  // not the edit painter
    EXPECT_EQ(Choose(Control("TTreeView", ControlBase::TreeView)), PainterKind::Scrollbar);
    EXPECT_EQ(Choose(Control("TEdit", ControlBase::Edit)), PainterKind::Edit);
    EXPECT_EQ(Choose(Control("TCheckBox", ControlBase::CheckBox)), PainterKind::CheckBox);
    EXPECT_EQ(Choose(Control("TStatusBar", ControlBase::StatusBar)), PainterKind::StatusBar);
    EXPECT_EQ(Choose(Control("TPageControl", ControlBase::PageControl)), PainterKind::PageControl);
    EXPECT_EQ(Choose(Control("TTabSheet", ControlBase::TabSheet)), PainterKind::TabSheet);
    ControlFacts buttonTabs = Control("SysTabControl32", ControlBase::TabControl);
    EXPECT_EQ(Choose(buttonTabs), PainterKind::TabControl);
    buttonTabs.buttonStyleTabs = true;
    EXPECT_EQ(Choose(buttonTabs), PainterKind::ButtonTabs);
    // The main window stores its switches without xcPanel: panels stay as they are.
    EXPECT_EQ(Choose(Control("TPanel", ControlBase::Panel)), PainterKind::None);

    DispatchSwitches s = MainWindowSwitches();
    s.skinHasTabs = false;
    EXPECT_EQ(Choose(Control("TPageControl", ControlBase::PageControl), s), PainterKind::None);
    EXPECT_EQ(Choose(Control("TTabSheet", ControlBase::TabSheet), s), PainterKind::None);
    s.controls.Include(xcPanel);
    ControlPlan panel = DecideControl(Control("TPanel", ControlBase::Panel), s, "", HandlerAnswer::NoHandler);
    EXPECT_EQ(panel.painter, PainterKind::Box);
    EXPECT_TRUE(panel.backgroundMode);
    EXPECT_EQ(panel.children, ChildVisit::Before);
    s.controls.Exclude(xcScrollbar);
    ControlFacts scrolled = Control("TListBox", ControlBase::Other);
    scrolled.hasScrollStyle = true;
    EXPECT_EQ(Choose(scrolled, s), PainterKind::None);
    s.controls.Include(xcScrollbar);
    EXPECT_EQ(Choose(scrolled, s), PainterKind::Scrollbar);
}

TEST(ControlDispatch, RadioAndCheckGroupsHandTheirChildrenPainters)
{
    DispatchSwitches s = MainWindowSwitches();
    ControlPlan radio = DecideControl(Control("TRzRadioGroup", ControlBase::Other), s, "radiogroup", HandlerAnswer::NoHandler);
    EXPECT_EQ(radio.painter, PainterKind::GroupBox);
    EXPECT_TRUE(radio.backgroundMode);
    EXPECT_EQ(radio.children, ChildVisit::EachAsRadio);
    s.controls.Exclude(xcRadioButton);
    EXPECT_EQ(DecideControl(Control("TRzRadioGroup", ControlBase::Other), s, "radiogroup", HandlerAnswer::NoHandler).children,
              ChildVisit::None);
    // The check group follows the panel switch, which the main window leaves out.
    EXPECT_EQ(DecideControl(Control("TRzCheckGroup", ControlBase::Other), MainWindowSwitches(), "checkgroup",
                            HandlerAnswer::NoHandler).children,
              ChildVisit::None);
}

TEST(ControlStates, PushButtonFrames)
{
    EXPECT_EQ(kPushButtonFrames[PushButtonState(false, true, true, true)], 3);
    EXPECT_EQ(kPushButtonFrames[PushButtonState(true, true, true, true)], 2);
    EXPECT_EQ(kPushButtonFrames[PushButtonState(true, false, true, true)], 4);
    EXPECT_EQ(kPushButtonFrames[PushButtonState(true, false, false, true)], 5);
    EXPECT_EQ(kPushButtonFrames[PushButtonState(true, false, false, false)], 1);
}

TEST(ControlStates, OnlyTheFirstDoubleBarBreaksTheCaption)
{
    EXPECT_EQ(ButtonCaptionText("Clean||now||or later"), "Clean\r\nnow||or later");
    EXPECT_EQ(ButtonCaptionText("Scan"), "Scan");
    EXPECT_EQ(ButtonCaptionText("a|||b"), "a\r\n|b");
}

TEST(ControlStates, CheckFrames)
{
    // Twelve frames: unchecked 1-4, checked 5-8, mixed 9-12, each normal, hover, pressed, disabled.
    EXPECT_EQ(CheckFrame(CheckMark::Unchecked, true, false, false, 12), 1);
    EXPECT_EQ(CheckFrame(CheckMark::Checked, true, false, false, 12), 5);
    EXPECT_EQ(CheckFrame(CheckMark::Checked, true, true, false, 12), 6);
    EXPECT_EQ(CheckFrame(CheckMark::Unchecked, true, true, true, 12), 3);
    EXPECT_EQ(CheckFrame(CheckMark::Unchecked, false, true, true, 12), 4);
    EXPECT_EQ(CheckFrame(CheckMark::Checked, false, false, false, 12), 8);
    EXPECT_EQ(CheckFrame(CheckMark::Mixed, true, false, false, 12), 9);
    EXPECT_EQ(CheckFrame(CheckMark::Mixed, false, false, false, 12), 12);
    // Four frames: 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled or mixed.
    EXPECT_EQ(CheckFrame(CheckMark::Checked, true, true, true, 4), 2);
    EXPECT_EQ(CheckFrame(CheckMark::Unchecked, false, false, false, 4), 3);
    EXPECT_EQ(CheckFrame(CheckMark::Mixed, true, false, false, 4), 4);

    CheckMark mark{};
    ASSERT_TRUE(CheckMarkFromStateText("cbUnchecked", mark));
    EXPECT_EQ(mark, CheckMark::Unchecked);
    ASSERT_TRUE(CheckMarkFromStateText("cbChecked", mark));
    EXPECT_EQ(mark, CheckMark::Checked);
    ASSERT_TRUE(CheckMarkFromStateText("cbGrayed", mark));
    EXPECT_EQ(mark, CheckMark::Mixed);
    EXPECT_FALSE(CheckMarkFromStateText("", mark));
}

TEST(ControlStates, CheckBoxAndStatusBarLayout)
{
    CheckBoxLayout left = LayOutCheckBox(200, 17, 13, 13, false);
    EXPECT_EQ(left.box, (Rect{0, 2, 13, 15}));
    EXPECT_EQ(left.caption.left, 15);
    CheckBoxLayout right = LayOutCheckBox(200, 17, 13, 13, true);
    EXPECT_EQ(right.box, (Rect{187, 2, 200, 15}));
    EXPECT_EQ(right.caption.right, 185);

    std::vector<Rect> panels = StatusPanelRects({{0, 2, 100, 19}, {102, 2, 300, 19}}, 402);
    EXPECT_EQ(panels[0], (Rect{2, 2, 100, 19}));
    EXPECT_EQ(panels[1], (Rect{104, 2, 402, 19}));

    EXPECT_EQ(TabPageRect({4, 24, 100, 80}, 0), (Rect{0, 19, 104, 83}));
    EXPECT_EQ(TabCloseBox({10, 2, 70, 22}), (Rect{62, 4, 68, 10}));
}

}  // namespace
}  // namespace aw::skin
