#pragma once
// Skinned menus: owner-drawn menu items (glyph, check mark, text, shortcut, separator, default
// item) drawn from the skin's MenuItem element over the MenuBackground backdrop, and
// TWinSkinPopMenu, the skinner of one open menu window.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/manager/skinned_window.h"

namespace aw::skin {

// One owner-drawn item and what it was before.
struct SkinMenuItem {
    HMENU menu = nullptr;
    UINT position = 0;
    UINT id = 0;
    std::string caption;   // before the tab
    std::string shortcut;  // after the tab
    bool separator = false;
    bool isDefault = false;
    HIMAGELIST images = nullptr;
    int image = -1;
    UINT originalType = 0;
    ULONG_PTR originalData = 0;
};

// The owner-drawn items of the menus a window has open. Each item's data points at its record
// while it is adopted.
class MenuItemStore {
public:
    // Makes every item of `menu` owner-drawn. `imageOf` gives an item's image index (or -1).
    void Adopt(HMENU menu, HIMAGELIST images, const std::function<int(UINT id)>& imageOf = nullptr);
    // Gives every adopted item of `menu` its own type and data back.
    void Release(HMENU menu);
    void ReleaseAll();
    const SkinMenuItem* Find(ULONG_PTR data) const;
    bool Adopted(HMENU menu) const;

private:
    std::vector<std::unique_ptr<SkinMenuItem>> items_;
};

// WM_MEASUREITEM and WM_DRAWITEM for an adopted item; false when the item is not ours.
bool MeasureSkinMenuItem(const TSkinData& data, const MenuItemStore& store, MEASUREITEMSTRUCT& measure);
bool DrawSkinMenuItem(const TSkinData& data, const MenuItemStore& store, const DRAWITEMSTRUCT& draw);

// Paints the skin's MenuBackground over a whole menu window of the given size, into `target`
// whose origin is at (originX, originY) of the menu window. False when the skin has none.
bool PaintMenuBackdrop(const TSkinData& data, HDC target, int menuWidth, int menuHeight, int originX, int originY);

// The skinner of one open menu window ("#32768").
class TWinSkinPopMenu final : public SkinnedPopup {
public:
    TWinSkinPopMenu(HWND window, TSkinData& data);
    ~TWinSkinPopMenu() override;
    HWND Handle() const override { return window_; }
    void Restore() override;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintBorder(HDC dc);

    HWND window_;
    TSkinData& data_;
    bool subclassed_ = false;
};

}  // namespace aw::skin
