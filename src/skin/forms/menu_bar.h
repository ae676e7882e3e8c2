#pragma once
// The skinned menu bar: the window's native menu taken off the window and drawn in the band
// under the title, one TMenuBtn per top-level item, opened from a click or a mnemonic.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/draw/rect.h"
#include "skin/forms/nc_objects.h"

namespace aw::skin {

class TWinSkinForm;

// An item of the skinned menu bar.
class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm& form, std::string text, UINT id, HMENU submenu, bool itemEnabled)
        : TNCObject(form), text(std::move(text)), id(id), submenu(submenu)
    {
        enabled = itemEnabled;
        visible = true;
    }
    void Draw(HDC buffer) override;

    std::string text;
    UINT id;
    HMENU submenu;
};

class TWinSkinMenu {
public:
    explicit TWinSkinMenu(TWinSkinForm& form) : form_(form) {}
    // Reads `menu` item by item.
    void Build(HMENU menu);
    // Lays the items out in `band` and draws the bar with them.
    void Paint(HDC buffer, const Rect& band, bool active);
    HMENU Menu() const { return menu_; }
    std::vector<std::unique_ptr<TMenuBtn>>& Items() { return items_; }

    TMenuBtn* ItemAt(POINT windowPoint) const;
    // The item a key opens (Alt+key): the first item whose mnemonic is the key, the first item
    // for no key; null when none matches.
    TMenuBtn* ItemForKey(char key) const;
    // Drops the item's menu under it and tracks it; an item without a menu runs its command.
    void Open(TMenuBtn& item);

private:
    void Layout(const Rect& band, HDC measure);

    TWinSkinForm& form_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> items_;
};

}  // namespace aw::skin
