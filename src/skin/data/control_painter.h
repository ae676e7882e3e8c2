#pragma once
// The base of every control painter: the object that draws one control with the skin while it
// is attached and gives the control its own look back when it is freed. An OnSkinControl
// handler may supply one of its own for a control about to be skinned.

namespace aw::skin {

class ControlPainter {
public:
    virtual ~ControlPainter() = default;
};

}  // namespace aw::skin
