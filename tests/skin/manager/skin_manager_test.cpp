// The skin manager on real windows of the test thread: a recording form object stands in for
// the form skinning; it subclasses the window, answers the skinned query and notes what the
// manager asks of it.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "platform/window_subclass.h"
#include "skin/data/skin_data_test_support.h"
#include "skin/manager/skin_manager.h"
#include "ui/form.h"

namespace aw::skin {
namespace {

using Log = std::vector<std::string>;

std::string Hex(HWND window) { return std::to_string(reinterpret_cast<std::uintptr_t>(window)); }

class RecordingForm : public SkinnedForm {
public:
    RecordingForm(HWND window, TSkinData& data, Log& log) : window_(window), data_(data), log_(log)
    {
        aw::subclass::Set(window_, &RecordingForm::Proc, 1, reinterpret_cast<DWORD_PTR>(this));
        log_.push_back("attach " + Hex(window_));
    }
    ~RecordingForm() override
    {
        if (subclassed_) aw::subclass::Remove(window_, &RecordingForm::Proc, 1);
    }
    HWND Handle() const override { return window_; }
    TSkinData& SkinData() const override { return data_; }
    FormState State() const override { return state_; }
    void SetState(FormState state) override { state_ = state; }
    bool IsMdiChild() const override { return false; }
    void Unskin() override
    {
        log_.push_back("unskin " + Hex(window_));
        if (subclassed_) aw::subclass::Remove(window_, &RecordingForm::Proc, 1);
        subclassed_ = false;
    }
    void ReloadSkinObjects() override { log_.push_back("reload " + Hex(window_)); }
    void RecomputeFrame() override { log_.push_back("frame " + Hex(window_)); }
    void Repaint() override { log_.push_back("repaint " + Hex(window_)); }
    void TakeSizeGrip(HWND) override { log_.push_back("grip " + Hex(window_)); }
    void ShowMdiMaximized(bool) override {}

    int finishAttachSeen = 0;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        auto* form = reinterpret_cast<RecordingForm*>(self);
        if (message == kMsgSkinnedQuery) return 1;
        if (message == kMsgFinishAttach && wParam == 0 && lParam == kFinishAttachLParam)
            form->log_.push_back("finish " + Hex(window));
        if (message == WM_NCDESTROY) {
            form->state_ = FormState::Destroyed;
            form->subclassed_ = false;
            aw::subclass::Remove(window, &RecordingForm::Proc, 1);
        }
        return aw::subclass::CallNext(window, message, wParam, lParam);
    }

    HWND window_;
    TSkinData& data_;
    Log& log_;
    FormState state_ = FormState::Created;
    bool subclassed_ = true;
};

class RecordingFactory : public SkinnedWindowFactory {
public:
    std::unique_ptr<SkinnedForm> CreateForm(HWND window, ui::Control*, const std::string&, TSkinData& data) override
    {
        return std::make_unique<RecordingForm>(window, data, log);
    }
    std::unique_ptr<SkinnedPopup> CreatePopup(HWND, TSkinData&) override { return nullptr; }
    Log log;
};

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

const char* PlainClass()
{
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "TManagerTestWindow";
        ::RegisterClassA(&wc);
        return "TManagerTestWindow";
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

Window MakeWindow(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr)
{
    return Window(::CreateWindowExA(0, PlainClass(), "test", style, 10, 10, 200, 120, parent, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr));
}

bool Answers(HWND window) { return ::SendMessageA(window, kMsgSkinnedQuery, 0, 0) == 1; }

class SkinManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager = std::make_unique<TSkinManage>(factory);
        data = MakeData();
    }
    void TearDown() override
    {
        data.reset();
        manager.reset();
    }
    std::unique_ptr<TSkinData> MakeData(bool active = true, TSkinFormType type = sfMainform, HWND owner = nullptr)
    {
        auto made = std::make_unique<TSkinData>(owner, [this] { return manager.get(); });
        made->SetMessageSink([](const std::string&) {});
        const auto property = test::ReadSourceFile("res/skin/ashwarden.skin");
        made->ReadSkinStream(property.data(), property.size());
        made->SetSkinFormtype(type);
        made->SetActive(active);
        made->OnSkinChanged = [this](TSkinData&) { ++skinChanged; };
        made->Loaded();
        return made;
    }
    // Shows and activates a window: the hook attaches it on activation.
    static void Activate(HWND window)
    {
        ::ShowWindow(window, SW_SHOW);
        ::SetActiveWindow(window);
        Pump(30);
    }

    RecordingFactory factory;
    std::unique_ptr<TSkinManage> manager;
    std::unique_ptr<TSkinData> data;
    int skinChanged = 0;
};

TEST_F(SkinManager, MainSkinLoadInstallsHookAndAttachesActivatedWindows)
{
    ASSERT_TRUE(data->SkinReady());
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_EQ(manager->MainSkin(), data.get());
    // The component loaded before any activation: its skin-all only switched skinning on.
    EXPECT_TRUE(manager->Skinning());
    EXPECT_EQ(manager->ActivityState(), 0);

    Window window = MakeWindow();
    EXPECT_TRUE(factory.log.empty());
    Activate(window.get());
    EXPECT_EQ(manager->ActivityState(), 1);
    ASSERT_NE(manager->FindForm(window.get()), nullptr);
    EXPECT_TRUE(Answers(window.get()));
    // Attached once although activated again, and the finish-attach message arrived.
    Activate(window.get());
    const Log expected = {"attach " + Hex(window.get()), "finish " + Hex(window.get())};
    EXPECT_EQ(factory.log, expected);
}

TEST_F(SkinManager, NothingIsAttachedWhileTheSwitchIsOff)
{
    manager->SetSkinning(false);
    Window window = MakeWindow();
    Activate(window.get());
    EXPECT_EQ(manager->FindForm(window.get()), nullptr);
    EXPECT_FALSE(Answers(window.get()));
    EXPECT_FALSE(manager->AttachWindow(window.get()));
}

TEST_F(SkinManager, FiltersOnRealWindows)
{
    data->DisableTag = 5;
    ui::Form tagged("Form9", "TTaggedForm", 200, 100);
    tagged.SetTag(99);
    tagged.CreateForm();
    ui::Form plain("Form8", "TPlainForm", 200, 100);
    plain.CreateForm();
    Activate(tagged.Handle());
    Activate(plain.Handle());
    EXPECT_EQ(manager->FindForm(tagged.Handle()), nullptr);
    EXPECT_NE(manager->FindForm(plain.Handle()), nullptr);

    // A plain child is not attached, but a zero-sized top-level window is not either.
    Window child = MakeWindow(WS_CHILD | WS_VISIBLE, plain.Handle());
    EXPECT_FALSE(manager->AttachWindow(child.get()));
    Window empty(::CreateWindowExA(0, PlainClass(), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr));
    EXPECT_FALSE(manager->AttachWindow(empty.get()));

    // A window that already answers the skinned query is left to its own skinning.
    data->OnFormSkin = [](TSkinData&, const std::string& name, bool& doSkin) { doSkin = name != "TManagerTestWindow"; };
    Window refused = MakeWindow();
    EXPECT_FALSE(manager->AttachWindow(refused.get()));
    data->OnFormSkin = nullptr;
    EXPECT_TRUE(manager->AttachWindow(refused.get()));
    EXPECT_FALSE(manager->AttachWindow(refused.get()));
}

TEST_F(SkinManager, DeferredSkinAllRunsOnceAfterItsInterval)
{
    Window early = MakeWindow();
    manager->SetSkinning(false);
    Activate(early.get());  // activity becomes 1, nothing attached
    ASSERT_EQ(manager->ActivityState(), 1);
    ui::Form form("Form7", "TDeferredForm", 200, 100);
    form.CreateForm();
    ::ShowWindow(form.Handle(), SW_SHOWNA);

    manager->Schedule(SkinOperation::SkinAll, *data, 250);
    EXPECT_FALSE(manager->Skinning());
    Pump(100);
    EXPECT_EQ(manager->FindForm(form.Handle()), nullptr);
    Pump(400);
    EXPECT_TRUE(manager->Skinning());
    EXPECT_NE(manager->FindForm(form.Handle()), nullptr);
    EXPECT_EQ(skinChanged, 1);
    Pump(400);
    EXPECT_EQ(skinChanged, 1);
}

TEST_F(SkinManager, ANewerRequestReplacesThePendingOne)
{
    Window window = MakeWindow();
    Activate(window.get());
    ASSERT_NE(manager->FindForm(window.get()), nullptr);
    // Off and on again within the interval: only the last request runs.
    data->SetActive(false);
    Pump(100);
    data->SetActive(true);
    Pump(500);
    EXPECT_EQ(skinChanged, 1);
    EXPECT_TRUE(manager->Skinning());
    EXPECT_NE(manager->FindForm(window.get()), nullptr);
    EXPECT_TRUE(Answers(window.get()));
}

TEST_F(SkinManager, UnskinAllDetachesEveryForm)
{
    Window first = MakeWindow();
    Window second = MakeWindow();
    Activate(first.get());
    Activate(second.get());
    ASSERT_EQ(manager->SkinnedFormCount(), 2u);
    data->SetActive(false);
    Pump(500);
    EXPECT_FALSE(manager->Skinning());
    EXPECT_EQ(manager->SkinnedFormCount(), 0u);
    EXPECT_FALSE(Answers(first.get()));
    EXPECT_FALSE(Answers(second.get()));
    // Unskinned first to last.
    const std::size_t n = factory.log.size();
    ASSERT_GE(n, 2u);
    EXPECT_EQ(factory.log[n - 2], "unskin " + Hex(first.get()));
    EXPECT_EQ(factory.log[n - 1], "unskin " + Hex(second.get()));
    EXPECT_EQ(skinChanged, 1);
}

TEST_F(SkinManager, RefreshReloadsTheFormsOfItsComponent)
{
    Window window = MakeWindow();
    Activate(window.get());
    factory.log.clear();
    manager->Schedule(SkinOperation::Refresh, *data, 50);
    Pump(300);
    const Log expected = {"reload " + Hex(window.get()), "frame " + Hex(window.get()),
                          "repaint " + Hex(window.get())};
    EXPECT_EQ(factory.log, expected);
}

TEST_F(SkinManager, DestroyedWindowsAreDroppedAndTheManagerUnskinsTheRest)
{
    Window gone = MakeWindow();
    Window kept = MakeWindow();
    Activate(gone.get());
    Activate(kept.get());
    ASSERT_EQ(manager->SkinnedFormCount(), 2u);
    gone.reset();
    manager->ScheduleOp(DeferredOp::FreeDestroyed, *data, 10);
    Pump(200);
    EXPECT_EQ(manager->SkinnedFormCount(), 1u);

    data.reset();
    manager.reset();
    EXPECT_FALSE(Answers(kept.get()));
    EXPECT_EQ(factory.log.back(), "unskin " + Hex(kept.get()));
    // With the manager gone its hook is gone too: a new window is seen by nobody.
    factory.log.clear();
    Window later = MakeWindow();
    Activate(later.get());
    EXPECT_TRUE(factory.log.empty());
    EXPECT_FALSE(Answers(later.get()));
}

TEST_F(SkinManager, AComponentGoingAwayCancelsItsPendingOperation)
{
    Window window = MakeWindow();
    Activate(window.get());
    auto local = MakeData(true, sfDialog);
    manager->Schedule(SkinOperation::UnskinAll, *local, 50);
    local.reset();
    Pump(300);
    EXPECT_TRUE(manager->Skinning());
    EXPECT_NE(manager->FindForm(window.get()), nullptr);
}

TEST_F(SkinManager, ChoosesTheFormLocalComponentForItsOwnWindow)
{
    Window owned = MakeWindow();
    auto local = MakeData(false, sfOnlyThisForm, owned.get());
    Window other = MakeWindow();
    EXPECT_EQ(manager->ChooseSkinData(owned.get()), local.get());
    EXPECT_EQ(manager->ChooseSkinData(other.get()), data.get());
    EXPECT_EQ(manager->MainSkin(), data.get());
    EXPECT_EQ(manager->LookupSkin3rd("TControlBar"), "Panel");
    data->Skin3rd = {"TControlBar=nil"};
    EXPECT_EQ(manager->LookupSkin3rd("tcontrolbar"), "nil");
}

}  // namespace
}  // namespace aw::skin
