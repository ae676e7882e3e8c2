// The manager's filters over plain window facts, table by table.

#include <gtest/gtest.h>

#include "skin/manager/attach_rules.h"
#include "skin/manager/deferred_operation.h"

namespace aw::skin {
namespace {

WindowFacts TopLevel(const std::string& className)
{
    WindowFacts w;
    w.className = className;
    w.nonEmptyRect = true;
    w.ownModule = true;
    return w;
}

TEST(AttachFilter, ChildWindowsPassOnlyAsMdiChildrenOrDuringSkinAll)
{
    struct Row {
        std::uint32_t style, exStyle;
        const char* parent;
        bool allForms, passes;
    } rows[] = {
        {0, 0, "", false, true},
        {kStyleChild, 0, "TForm1", false, false},
        {kStyleChild, 0, "TForm1", true, true},
        {kStyleChild, kExStyleMdiChild, "TForm1", false, true},
        {kStyleChild, 0, "MDIClient", false, true},
        {kStyleChild, 0, "MDICLIENT", false, true},
        {kStyleChild, 0, "MDIClient2", false, false},
    };
    for (const Row& row : rows) {
        WindowFacts w = TopLevel("TChild");
        w.style = row.style;
        w.exStyle = row.exStyle;
        w.parentClassName = row.parent;
        EXPECT_EQ(PassesChildFilter(w, row.allForms), row.passes) << row.parent << " " << row.style << " " << row.allForms;
    }
}

TEST(AttachFilter, OnlyKnownWindowsAndStandardDialogsPass)
{
    WindowFacts foreign = TopLevel("SomeoneElsesClass");
    foreign.ownModule = false;
    EXPECT_FALSE(PassesOriginFilter(foreign));
    foreign.className = "#32770";
    EXPECT_TRUE(PassesOriginFilter(foreign));
    foreign.className = "SomeoneElsesClass";
    foreign.hasFrameworkForm = true;
    EXPECT_TRUE(PassesOriginFilter(foreign));
    EXPECT_TRUE(PassesOriginFilter(TopLevel("TForm2")));
}

TEST(AttachFilter, AreaTagAndExcludedClasses)
{
    struct Row {
        const char* className;
        bool nonEmpty;
        std::uint32_t exStyle;
        bool framework;
        int tag;
        bool passes;
    } rows[] = {
        {"TForm2", true, 0, true, 0, true},
        {"TForm2", false, 0, true, 0, false},
        {"TForm2", false, kExStyleMdiChild, true, 0, true},
        {"TForm2", true, 0, true, 99, false},
        // The tag only matters for a framework form.
        {"TForm2", true, 0, false, 99, true},
        {"TForm2", true, 0, true, 98, true},
        {"XTcxPopupEditPopupWindowY", true, 0, false, 0, false},
        {"TTERenderWindow", true, 0, false, 0, false},
        {"TApplication", true, 0, false, 0, false},
        {"TApplicationX", true, 0, false, 0, true},
        {"tapplication", true, 0, false, 0, true},
    };
    for (const Row& row : rows) {
        WindowFacts w = TopLevel(row.className);
        w.nonEmptyRect = row.nonEmpty;
        w.exStyle = row.exStyle;
        w.hasFrameworkForm = row.framework;
        w.formTag = row.tag;
        EXPECT_EQ(PassesAttachConditions(w), row.passes) << row.className << " tag " << row.tag;
    }
}

TEST(ShouldSkin, RulesInOrderWithoutHandler)
{
    MainSkinSwitches main{kDefaultSkinOptions, kDefaultSkinControls, nullptr};
    MainSkinSwitches noPreview{kDefaultSkinOptions, kDefaultSkinControls, nullptr};
    noPreview.options.Exclude(xoPreview);
    MainSkinSwitches fastReport = main;
    fastReport.controls.Include(xcFastReport);
    struct Row {
        const char* className;
        std::uint32_t style;
        const MainSkinSwitches* switches;
        bool verdict;
    } rows[] = {
        {"TPrintPreview", 0, &main, true},
        {"TPrintPreview", 0, &noPreview, false},
        {"tprintPREVIEWform", 0, &noPreview, false},
        {"#32770", 0, &main, true},
        {"#32770", kStyleSetForeground, &main, false},
        {"TForm2", kStyleSetForeground, &main, true},
        {"TPopupDBTreeView", 0, &main, false},
        {"SysMonthCal32", 0, &main, false},
        {"TfrxPreviewForm", 0, &main, true},
        {"TfrDesigner", 0, &fastReport, false},
        {"tfrDesigner", 0, &fastReport, true},
        {"TForm1", 0, &fastReport, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ShouldSkinVerdict(row.className, row.style, *row.switches), row.verdict) << row.className;
    // Without a main skin everything is skinned.
    EXPECT_TRUE(ShouldSkinVerdict("SysMonthCal32", 0, std::nullopt));
}

TEST(ShouldSkin, HandlerSeesTheVerdictSoFarAndHasTheLastWord)
{
    MainSkinSwitches main{kDefaultSkinOptions.Without(xoPreview), kDefaultSkinControls.Without(xcFastReport), nullptr};
    main.controls.Include(xcFastReport);
    std::vector<std::pair<std::string, bool>> seen;
    main.onFormSkin = [&](const std::string& name, bool verdict) {
        seen.emplace_back(name, verdict);
        return name != "TForm1";
    };
    EXPECT_TRUE(ShouldSkinVerdict("SysMonthCal32", 0, main));
    EXPECT_TRUE(ShouldSkinVerdict("TfrDesigner", 0, main));
    EXPECT_TRUE(ShouldSkinVerdict("XPreview", 0, main));
    EXPECT_FALSE(ShouldSkinVerdict("TForm1", 0, main));
    const std::vector<std::pair<std::string, bool>> expected = {
        {"SysMonthCal32", true}, {"TfrDesigner", true}, {"XPreview", false}, {"TForm1", true}};
    EXPECT_EQ(seen, expected);
}

TEST(ChooseSkinData, OwnFormThenDialogThenMainThenFirst)
{
    using C = SkinCandidate;
    EXPECT_EQ(ChooseSkinDataIndex({}, "TForm1"), -1);
    EXPECT_EQ(ChooseSkinDataIndex({C{sfDLL, false}}, "TForm1"), 0);
    EXPECT_EQ(ChooseSkinDataIndex({C{sfDLL, false}, C{sfDialog, false}}, "TForm1"), 0);
    EXPECT_EQ(ChooseSkinDataIndex({C{sfMainform, false}, C{sfDLL, false}, C{sfMainform, false}}, "TForm1"), 2);
    const std::vector<C> mixed = {C{sfMainform, false}, C{sfDialog, false}, C{sfDialog, false},
                                  C{sfOnlyThisForm, false}, C{sfOnlyThisForm, true}, C{sfOnlyThisForm, true}};
    EXPECT_EQ(ChooseSkinDataIndex(mixed, "TForm2"), 5);
    std::vector<C> noOwner = mixed;
    noOwner[4].ownerIsWindow = noOwner[5].ownerIsWindow = false;
    EXPECT_EQ(ChooseSkinDataIndex(noOwner, "#32770"), 2);
    EXPECT_EQ(ChooseSkinDataIndex(noOwner, "TMessageForm"), 2);
    EXPECT_EQ(ChooseSkinDataIndex(noOwner, "TForm2"), 0);
    // A form-local component whose owner is another window is not a fallback.
    EXPECT_EQ(ChooseSkinDataIndex({C{sfOnlyThisForm, false}, C{sfMainform, false}}, "TForm2"), 1);
}

TEST(PopupKind, EachKindNeedsItsControlType)
{
    const SkinControlSet none;
    EXPECT_FALSE(PopupKindAllowed(PopupKind::Context, none));
    EXPECT_TRUE(PopupKindAllowed(PopupKind::Context, {xcPopupMenu}));
    EXPECT_FALSE(PopupKindAllowed(PopupKind::MenuBar, {xcPopupMenu}));
    EXPECT_TRUE(PopupKindAllowed(PopupKind::MenuBar, {xcMainMenu}));
    EXPECT_TRUE(PopupKindAllowed(PopupKind::MenuBar, {xcMenuItem}));
    EXPECT_FALSE(PopupKindAllowed(PopupKind::System, {xcMainMenu, xcPopupMenu}));
    EXPECT_TRUE(PopupKindAllowed(PopupKind::System, {xcSystemMenu}));
}

TEST(PendingOperation, BeforeActivityOnlyTheSwitchMovesAtOnce)
{
    PendingOperation<const int*> pending;
    const int a = 0;
    EXPECT_EQ(pending.Request(DeferredOp::SkinAll, &a, 250, 0).kind, ScheduleEffect::SwitchOn);
    EXPECT_EQ(pending.Request(DeferredOp::UnskinAll, &a, 250, 0).kind, ScheduleEffect::SwitchOff);
    EXPECT_EQ(pending.Request(DeferredOp::Refresh, &a, 250, 0).kind, ScheduleEffect::Nothing);
    const int* target = &a;
    EXPECT_EQ(pending.Take(target), DeferredOp::None);
    EXPECT_EQ(target, nullptr);
}

TEST(PendingOperation, NewerRequestReplacesPendingAndRunsOnce)
{
    PendingOperation<const int*> pending;
    const int a = 0, b = 0;
    ScheduleEffect effect = pending.Request(DeferredOp::UnskinAll, &a, 250, 1);
    EXPECT_EQ(effect.kind, ScheduleEffect::StartTimer);
    EXPECT_EQ(effect.intervalMs, 250);
    effect = pending.Request(DeferredOp::SkinAll, &b, 100, 1);
    EXPECT_EQ(effect.intervalMs, 100);
    const int* target = nullptr;
    EXPECT_EQ(pending.Take(target), DeferredOp::SkinAll);
    EXPECT_EQ(target, &b);
    EXPECT_EQ(pending.Take(target), DeferredOp::None);
}

TEST(PendingOperation, ForgettingTheTargetCancelsOnlyItsOperation)
{
    PendingOperation<const int*> pending;
    const int a = 0, b = 0;
    pending.Request(DeferredOp::Refresh, &a, 250, 1);
    pending.Forget(&b);
    EXPECT_EQ(pending.Op(), DeferredOp::Refresh);
    pending.Forget(&a);
    const int* target = nullptr;
    EXPECT_EQ(pending.Take(target), DeferredOp::None);
}

}  // namespace
}  // namespace aw::skin
