#pragma once
// TSkinManage: the one process-wide object that decides which windows get skinned and when.
// It watches the user-interface thread's windows through a CBT hook, attaches a skinning object
// to every top-level window that passes its filters and to every menu window, and runs the
// deferred operations the skin components request through one timer.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_manager_link.h"
#include "skin/manager/attach_rules.h"
#include "skin/manager/deferred_operation.h"
#include "skin/manager/skinned_window.h"
#include "ui/timer.h"

namespace aw::skin {

class TSkinManage final : public SkinManagerLink {
public:
    static constexpr int kDestroyingActivityState = 4;

    // The factory makes the per-window objects and must outlive the manager.
    explicit TSkinManage(SkinnedWindowFactory& factory);
    ~TSkinManage() override;
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // The manager the hook serves: the one alive, if any.
    static TSkinManage* Current();

    // What a skin component asks.
    void RegisterSkinData(TSkinData& data) override;
    void UnregisterSkinData(TSkinData& data) override;
    void InstallHook() override;
    void SetSkinning(bool on) override { skinning_ = on; }
    int ActivityState() const override { return activity_; }
    void SetActivityState(int state) override { activity_ = state; }
    void Schedule(SkinOperation operation, TSkinData& data, int delayMs) override;
    void ReloadForms(TSkinData& data) override;
    void AttachForm(HWND form) override;

    // Any deferred operation; `window` is the window a re-skin (DeferredOp::Reskin) is for.
    void ScheduleOp(DeferredOp op, TSkinData& data, int delayMs, HWND window = nullptr);

    bool AttachWindow(HWND window);
    bool AttachPopup(HWND window);
    bool DetachPopup(HWND window);
    SkinnedForm* FindForm(HWND window) const;
    TSkinData* ChooseSkinData(HWND window) const;
    bool ShouldSkin(HWND window, const std::string& className) const;
    void SetMDIMaximized(bool maximized);
    bool MDIMaximized() const { return mdiMaximized_; }
    // The kind the main skin's Skin3rd lines give a class (the first component's without one).
    std::string LookupSkin3rd(const std::string& className) const;

    bool Skinning() const { return skinning_; }
    bool AllForms() const { return allForms_; }
    PopupKind GetPopupKind() const { return popupKind_; }
    // Set by the form skinning before it opens a menu.
    void SetPopupKind(PopupKind kind) { popupKind_ = kind; }
    TSkinData* MainSkin() const { return mainSkin_; }
    bool HookInstalled() const { return hook_ != nullptr; }
    // The platform version recorded when the hook was installed (GetVersion's value).
    DWORD PlatformVersion() const { return platformVersion_; }
    // Windows 95, 98 and Me set the top bit of the version.
    bool Windows9x() const { return (platformVersion_ & 0x80000000u) != 0; }
    std::size_t SkinnedFormCount() const { return forms_.size(); }
    std::size_t PopupCount() const { return popups_.size(); }

private:
    struct HookDeleter {
        void operator()(HHOOK hook) const;
    };
    using HookHandle = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookDeleter>;

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnCreateWindow(HWND window, const CREATESTRUCTA& create);
    void OnTimer();
    void RunOperation(DeferredOp op, TSkinData& data);
    void RunFormLocalOperation(DeferredOp op, TSkinData& data);
    void Purge();
    void UnskinAndFree(std::size_t index);
    WindowFacts FactsOf(HWND window, const std::string& className, ui::Control* form) const;

    SkinnedWindowFactory& factory_;
    std::unique_ptr<ui::Timer> timer_;
    PendingOperation<TSkinData*> pending_;
    HWND reskinWindow_ = nullptr;
    TSkinData* mainSkin_ = nullptr;
    bool skinning_ = false;
    bool allForms_ = false;
    int activity_ = 0;
    PopupKind popupKind_ = PopupKind::Context;
    bool mdiMaximized_ = false;
    std::vector<std::unique_ptr<SkinnedForm>> forms_;
    std::vector<std::unique_ptr<SkinnedPopup>> popups_;
    std::vector<TSkinData*> registered_;
    HookHandle hook_;
    DWORD platformVersion_ = 0;
};

}  // namespace aw::skin
