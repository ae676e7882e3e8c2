#include "skin/manager/skin_manager.h"

#include <algorithm>

#include "skin/manager/form_directory.h"
#include "skin/manager/skin3rd_lookup.h"
#include "ui/control.h"

namespace aw::skin {

namespace {

constexpr unsigned kInitialTimerIntervalMs = 100;

// The manager the hook serves, and the flag that keeps a hook call still in flight from
// touching a manager that has gone.
TSkinManage* g_manager = nullptr;
bool g_managerGone = false;

bool AnswersSkinnedQuery(HWND window) { return ::SendMessageA(window, kMsgSkinnedQuery, 0, 0) == 1; }

}  // namespace

void TSkinManage::HookDeleter::operator()(HHOOK hook) const { ::UnhookWindowsHookEx(hook); }

TSkinManage::TSkinManage(SkinnedWindowFactory& factory) : factory_(factory), timer_(std::make_unique<ui::Timer>())
{
    timer_->OnTimer = [this] { OnTimer(); };
    if (!g_manager) {
        g_manager = this;
        g_managerGone = false;
    }
}

TSkinManage::~TSkinManage()
{
    activity_ = kDestroyingActivityState;
    skinning_ = false;
    timer_.reset();
    for (std::size_t i = forms_.size(); i-- > 0;)
        if (i < forms_.size()) UnskinAndFree(i);
    forms_.clear();
    for (auto& popup : popups_) popup->Restore();
    popups_.clear();
    for (TSkinData* data : registered_) data->ManagerGone();
    registered_.clear();
    hook_.reset();
    if (g_manager == this) {
        g_manager = nullptr;
        g_managerGone = true;
    }
}

TSkinManage* TSkinManage::Current() { return g_managerGone ? nullptr : g_manager; }

void TSkinManage::RegisterSkinData(TSkinData& data)
{
    if (std::find(registered_.begin(), registered_.end(), &data) != registered_.end()) return;
    registered_.push_back(&data);
    if (!mainSkin_ && data.SkinFormtype() == sfMainform) mainSkin_ = &data;
}

void TSkinManage::UnregisterSkinData(TSkinData& data)
{
    registered_.erase(std::remove(registered_.begin(), registered_.end(), &data), registered_.end());
    // A component going away must not be reached any more: not as the main skin, not by an
    // operation still waiting for the timer.
    if (mainSkin_ == &data) mainSkin_ = nullptr;
    pending_.Forget(&data);
    // Nothing skinned with it may outlive it.
    for (std::size_t i = forms_.size(); i-- > 0;)
        if (&forms_[i]->SkinData() == &data) UnskinAndFree(i);
}

void TSkinManage::InstallHook()
{
    if (hook_) return;
    platformVersion_ = ::GetVersion();
    hook_.reset(::SetWindowsHookExA(WH_CBT, &TSkinManage::CbtProc, nullptr, ::GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManage::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    TSkinManage* manager = g_managerGone ? nullptr : g_manager;
    if (manager && code >= 0) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        switch (code) {
        case HCBT_CREATEWND: {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
            if (create && create->lpcs) manager->OnCreateWindow(window, *create->lpcs);
            break;
        }
        case HCBT_DESTROYWND:
            manager->DetachPopup(window);
            break;
        case HCBT_ACTIVATE:
            if (manager->activity_ == 0) manager->activity_ = 1;
            manager->AttachWindow(window);
            break;
        default:
            break;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::OnCreateWindow(HWND window, const CREATESTRUCTA& create)
{
    const std::string className = WindowClassName(window);
    const auto style = static_cast<std::uint32_t>(create.style);
    if (className == "ScrollBar" && (style & kStyleSizeGrip)) {
        if (SkinnedForm* form = FindForm(create.hwndParent)) form->TakeSizeGrip(window);
    }
    if (!(style & kStyleChild) && className == kMenuWindowClass) AttachPopup(window);
    if (static_cast<std::uint32_t>(create.dwExStyle) & kExStyleMdiChild) AttachWindow(window);
}

WindowFacts TSkinManage::FactsOf(HWND window, const std::string& className, ui::Control* form) const
{
    WindowFacts facts;
    facts.className = className;
    facts.style = static_cast<std::uint32_t>(::GetWindowLongA(window, GWL_STYLE));
    facts.exStyle = static_cast<std::uint32_t>(::GetWindowLongA(window, GWL_EXSTYLE));
    if (const HWND parent = ::GetParent(window)) facts.parentClassName = WindowClassName(parent);
    facts.hasFrameworkForm = form != nullptr;
    facts.formTag = form ? form->Tag() : 0;
    facts.ownModule =
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(window, GWLP_HINSTANCE)) == ::GetModuleHandleA(nullptr);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    facts.nonEmptyRect = rect.right != rect.left && rect.bottom != rect.top;
    return facts;
}

bool TSkinManage::AttachWindow(HWND window)
{
    if (!skinning_ || !::IsWindow(window)) return false;
    Purge();
    if (AnswersSkinnedQuery(window) || FindForm(window)) return false;

    ui::Control* form = FrameworkControlOf(window);
    const std::string className = WindowClassName(window);
    const WindowFacts facts = FactsOf(window, className, form);
    if (!PassesChildFilter(facts, allForms_) || !PassesOriginFilter(facts)) return false;
    if (!PassesAttachConditions(facts) || !ShouldSkin(window, className)) return false;

    TSkinData* data = ChooseSkinData(window);
    if (!data || !data->SkinReady()) return false;
    std::unique_ptr<SkinnedForm> skinned = factory_.CreateForm(window, form, className, *data);
    if (!skinned) return false;
    forms_.push_back(std::move(skinned));
    ::PostMessageA(window, kMsgFinishAttach, 0, kFinishAttachLParam);
    return true;
}

void TSkinManage::AttachForm(HWND form)
{
    if (!form || !::IsWindowVisible(form)) return;
    if (::GetWindowLongA(form, GWL_STYLE) & WS_CHILD) return;
    AttachWindow(form);
}

bool TSkinManage::AttachPopup(HWND window)
{
    if (!skinning_ || AnswersSkinnedQuery(window)) return false;
    for (const auto& popup : popups_)
        if (popup->Handle() == window) return false;
    TSkinData* data = ChooseSkinData(window);
    if (!data || !data->SkinReady()) return false;
    if (!PopupKindAllowed(popupKind_, data->SkinControls)) return false;
    std::unique_ptr<SkinnedPopup> popup = factory_.CreatePopup(window, *data);
    if (!popup) return false;
    popups_.push_back(std::move(popup));
    return true;
}

bool TSkinManage::DetachPopup(HWND window)
{
    const auto it = std::find_if(popups_.begin(), popups_.end(), [window](const auto& p) { return p->Handle() == window; });
    if (it == popups_.end()) return false;
    std::unique_ptr<SkinnedPopup> popup = std::move(*it);
    popups_.erase(it);
    popup->Restore();
    if (popups_.empty()) popupKind_ = PopupKind::Context;
    return true;
}

SkinnedForm* TSkinManage::FindForm(HWND window) const
{
    if (!window) return nullptr;
    for (const auto& form : forms_)
        if (form->Handle() == window) return form.get();
    return nullptr;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const
{
    std::vector<SkinCandidate> candidates;
    candidates.reserve(registered_.size());
    for (const TSkinData* data : registered_)
        candidates.push_back({data->SkinFormtype(), window && data->Owner() == window});
    const int index = ChooseSkinDataIndex(candidates, WindowClassName(window));
    return index < 0 ? nullptr : registered_[static_cast<std::size_t>(index)];
}

bool TSkinManage::ShouldSkin(HWND window, const std::string& className) const
{
    std::optional<MainSkinSwitches> main;
    if (TSkinData* data = mainSkin_) {
        main = MainSkinSwitches{data->Options, data->SkinControls, nullptr};
        if (data->OnFormSkin) {
            main->onFormSkin = [data](const std::string& name, bool verdict) {
                bool doSkin = verdict;
                data->OnFormSkin(*data, name, doSkin);
                return doSkin;
            };
        }
    }
    return ShouldSkinVerdict(className, static_cast<std::uint32_t>(::GetWindowLongA(window, GWL_STYLE)), main);
}

void TSkinManage::SetMDIMaximized(bool maximized)
{
    if (maximized == mdiMaximized_) return;
    mdiMaximized_ = maximized;
    if (mainSkin_ && mainSkin_->Options.Contains(xoMDIChildBorder)) return;
    for (const auto& form : forms_)
        if (form->IsMdiChild()) form->ShowMdiMaximized(maximized);
}

std::string TSkinManage::LookupSkin3rd(const std::string& className) const
{
    const TSkinData* data = mainSkin_ ? mainSkin_ : (registered_.empty() ? nullptr : registered_.front());
    return data ? aw::skin::LookupSkin3rd(data->Skin3rd, className) : std::string();
}

void TSkinManage::ReloadForms(TSkinData& data)
{
    for (const auto& form : forms_)
        if (&form->SkinData() == &data) form->ReloadSkinObjects();
}

void TSkinManage::Schedule(SkinOperation operation, TSkinData& data, int delayMs)
{
    static constexpr DeferredOp kOps[] = {DeferredOp::SkinAll, DeferredOp::UnskinAll, DeferredOp::Refresh};
    ScheduleOp(kOps[static_cast<int>(operation)], data, delayMs);
}

void TSkinManage::ScheduleOp(DeferredOp op, TSkinData& data, int delayMs, HWND window)
{
    if (!timer_) return;  // being destroyed
    const ScheduleEffect effect = pending_.Request(op, &data, delayMs, activity_);
    switch (effect.kind) {
    case ScheduleEffect::SwitchOn:
        skinning_ = true;
        break;
    case ScheduleEffect::SwitchOff:
        skinning_ = false;
        break;
    case ScheduleEffect::StartTimer:
        reskinWindow_ = window;
        timer_->Start(static_cast<unsigned>(std::max(effect.intervalMs, 1)));
        break;
    case ScheduleEffect::Nothing:
        break;
    }
}

void TSkinManage::OnTimer()
{
    timer_->Stop();
    TSkinData* data = nullptr;
    const DeferredOp op = pending_.Take(data);
    if (op == DeferredOp::None || !data) return;
    if (data->SkinFormtype() == sfOnlyThisForm)
        RunFormLocalOperation(op, *data);
    else
        RunOperation(op, *data);
    if (op != DeferredOp::Reskin && data->OnSkinChanged) data->OnSkinChanged(*data);
}

void TSkinManage::RunOperation(DeferredOp op, TSkinData& data)
{
    switch (op) {
    case DeferredOp::SkinAll: {
        skinning_ = true;
        allForms_ = true;
        Purge();
        const std::vector<HWND> forms = ScreenForms();
        for (std::size_t i = forms.size(); i-- > 0;) AttachForm(forms[i]);
        allForms_ = false;
        break;
    }
    case DeferredOp::UnskinAll:
        skinning_ = false;
        Purge();
        while (!forms_.empty()) UnskinAndFree(0);
        break;
    case DeferredOp::Refresh: {
        Purge();
        std::vector<SkinnedForm*> refreshed;
        for (const auto& form : forms_) {
            if (&form->SkinData() != &data) continue;
            form->ReloadSkinObjects();
            form->RecomputeFrame();
            refreshed.push_back(form.get());
        }
        for (SkinnedForm* form : refreshed) form->Repaint();
        break;
    }
    case DeferredOp::FreeDestroyed:
        Purge();
        break;
    case DeferredOp::Reskin: {
        const HWND window = reskinWindow_;
        reskinWindow_ = nullptr;
        if (SkinnedForm* form = FindForm(window)) {
            form->Unskin();
            form->SetState(FormState::Destroyed);
        }
        Purge();
        AttachWindow(window);
        break;
    }
    case DeferredOp::None:
        break;
    }
}

void TSkinManage::RunFormLocalOperation(DeferredOp op, TSkinData& data)
{
    switch (op) {
    case DeferredOp::SkinAll: {
        skinning_ = true;
        allForms_ = true;
        const std::vector<HWND> forms = ScreenForms();
        const auto owner = std::find(forms.rbegin(), forms.rend(), data.Owner());
        if (owner != forms.rend()) AttachForm(*owner);
        allForms_ = false;
        break;
    }
    case DeferredOp::UnskinAll: {
        skinning_ = false;
        Purge();
        for (std::size_t i = forms_.size(); i-- > 0;) {
            if (&forms_[i]->SkinData() != &data) continue;
            UnskinAndFree(i);
            break;
        }
        break;
    }
    case DeferredOp::Refresh:
        Purge();
        for (const auto& form : forms_) {
            if (&form->SkinData() != &data) continue;
            form->ReloadSkinObjects();
            form->RecomputeFrame();
            form->Repaint();
            break;
        }
        break;
    default:
        // Freeing destroyed forms and re-skinning do not depend on the component's form type.
        RunOperation(op, data);
        break;
    }
}

void TSkinManage::Purge()
{
    // Each form object is owned here alone, so an entry can only be stale by its window having
    // gone (its state is FormState::Destroyed); those are dropped and freed.
    forms_.erase(std::remove_if(forms_.begin(), forms_.end(),
                                [](const auto& form) { return form->State() == FormState::Destroyed; }),
                 forms_.end());
}

void TSkinManage::UnskinAndFree(std::size_t index)
{
    std::unique_ptr<SkinnedForm> form = std::move(forms_[index]);
    forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(index));
    if (form->State() != FormState::Destroyed) form->Unskin();
}

}  // namespace aw::skin
