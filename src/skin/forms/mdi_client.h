#pragma once
// The skin of an MDI frame's client window ("MDIClient"): its scroll bars, the menu bar while
// children come and go, and the MDI-maximized state the manager keeps.

#include <windows.h>

namespace aw::skin {

class TSkinData;
class TWinSkinForm;

class MdiClientSkin {
public:
    // Subclasses `client`, the MDI client of the frame `frame` skins with `data`.
    MdiClientSkin(HWND client, TWinSkinForm& frame, TSkinData& data);
    // Gives the client its own procedure back and the skin data its MenuUpdate.
    ~MdiClientSkin();
    MdiClientSkin(const MdiClientSkin&) = delete;
    MdiClientSkin& operator=(const MdiClientSkin&) = delete;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Previous(UINT message, WPARAM wParam, LPARAM lParam);
    void ChildDestroyed();

    HWND client_;
    TWinSkinForm& frame_;
    TSkinData& data_;
    bool savedMenuUpdate_;
};

}  // namespace aw::skin
