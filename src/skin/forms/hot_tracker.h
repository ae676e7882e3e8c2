#pragma once
// The state machine of the clickable objects of a non-client area (caption buttons and menu-bar
// items): which one is hot, that is under the mouse or pressed, and how each one shows. Kept
// apart from the window code, which only carries out the effects a change asks for.

namespace aw::skin {

// How a non-client object shows; a caption button draws the frame of the same number.
enum class NcState { Normal = 1, Pressed = 2, Hover = 3 };

// What a change asks of the window: repaint the objects, hide the caption hint.
struct HotEffects {
    bool redraw = false;
    bool hideHint = false;

    HotEffects& operator|=(const HotEffects& other)
    {
        redraw = redraw || other.redraw;
        hideHint = hideHint || other.hideHint;
        return *this;
    }
};

// `Object` has a `NcState state` and a `bool visible`. An invisible object takes no state: it
// can become hot (the mouse is over its place) but shows nothing and never leaves by itself.
template <typename Object> class HotTracker {
public:
    Object* Hot() const { return hot_; }

    // A button goes down on the object: whatever else was hot leaves.
    HotEffects Press(Object& object)
    {
        HotEffects effects = LeaveOther(object);
        if (!object.visible) return effects;
        hot_ = &object;
        object.state = NcState::Pressed;
        effects.redraw = true;
        return effects;
    }

    // The button comes up over the object: it shows hovered again.
    HotEffects Release(Object& object)
    {
        if (!object.visible) return {};
        object.state = NcState::Hover;
        return HotEffects{true, false};
    }

    // The mouse moves over the object. Over the hot object nothing changes unless it shows
    // normal (a full repaint reset it).
    HotEffects Hover(Object& object)
    {
        if (hot_ == &object && object.state != NcState::Normal) return {};
        HotEffects effects = LeaveOther(object);
        hot_ = &object;
        if (!object.visible) return effects;
        object.state = NcState::Hover;
        effects.redraw = true;
        return effects;
    }

    // The mouse has left the object.
    HotEffects Leave(Object& object)
    {
        if (!object.visible) return {};
        if (hot_ == &object) hot_ = nullptr;
        object.state = NcState::Normal;
        return HotEffects{true, true};
    }

    // Makes the object hot and pressed while its menu is open, whatever was hot before.
    void HoldPressed(Object& object)
    {
        object.state = NcState::Pressed;
        hot_ = &object;
    }

    // A full repaint forgets the hot object, which shows normal again.
    void Forget()
    {
        if (hot_) hot_->state = NcState::Normal;
        hot_ = nullptr;
    }

    // The objects are gone (a new skin, unskinning): nothing is hot.
    void Clear() { hot_ = nullptr; }

private:
    HotEffects LeaveOther(const Object& object)
    {
        if (!hot_ || hot_ == &object) return {};
        return Leave(*hot_);
    }

    Object* hot_ = nullptr;
};

}  // namespace aw::skin
