#pragma once
// The clickable objects of a skinned non-client area: TNCObject, and the caption button
// TWinSysButton. Which object is hot and how each shows is the form's HotTracker; an object
// only asks it and has the form carry out what the change needs.

#include <windows.h>

#include "skin/data/gdi_skin_model.h"
#include "skin/draw/rect.h"
#include "skin/forms/form_geometry.h"
#include "skin/forms/hot_tracker.h"

namespace aw::skin {

class TWinSkinForm;

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& form) : form_(form) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void Press();
    virtual void Release();
    virtual void Hover();
    virtual void Leave();
    virtual void Draw(HDC buffer) = 0;

    Rect rect;  // window coordinates
    bool visible = false;
    NcState state = NcState::Normal;
    bool enabled = true;

protected:
    TWinSkinForm& form_;
};

// A caption button: one per caption-button element of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& form, const TDataSkinSysButton& element) : TNCObject(form), element_(element) {}
    void Draw(HDC buffer) override;
    const TDataSkinSysButton& Element() const { return element_; }
    CaptionButtonTraits Traits() const;
    bool IsMdiButton() const { return element_.Align == 100; }
    // The window's icon, which opens the system menu (Action 3 or 11).
    bool IsIconButton() const { return element_.Action == 3 || element_.Action == 11; }

private:
    const TDataSkinSysButton& element_;
};

}  // namespace aw::skin
