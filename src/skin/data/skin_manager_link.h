#pragma once
// What a TSkinData component asks of the skin manager: registration, the thread's window
// hook, the skinning switch and activity state, the deferred operations and form reloads.
// The manager implements this; the component never needs more of it.

#include <windows.h>

namespace aw::skin {

class TSkinData;

enum class SkinOperation { SkinAll, UnskinAll, Refresh };

class SkinManagerLink {
public:
    virtual ~SkinManagerLink() = default;

    virtual void RegisterSkinData(TSkinData& data) = 0;
    virtual void UnregisterSkinData(TSkinData& data) = 0;
    // Installs the CBT hook of the current thread (main-form components only).
    virtual void InstallHook() = 0;
    virtual void SetSkinning(bool on) = 0;
    virtual int ActivityState() const = 0;
    virtual void SetActivityState(int state) = 0;
    // Runs `operation` for `data` after `delayMs`; a newer request replaces a pending one.
    virtual void Schedule(SkinOperation operation, TSkinData& data, int delayMs) = 0;
    // Every form skinned with `data` reloads its skin objects at once.
    virtual void ReloadForms(TSkinData& data) = 0;
    // Attaches one form's window directly (form-local components).
    virtual void AttachForm(HWND form) = 0;
};

}  // namespace aw::skin
