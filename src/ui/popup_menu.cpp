#include "ui/popup_menu.h"

#include "platform/handle.h"

namespace aw::ui {

MenuItem& PopupMenu::AddItem(std::string name, std::string caption, std::function<void()> onClick, bool autoCheck,
                             bool checked)
{
    auto item = std::make_unique<MenuItem>();
    item->Name = std::move(name);
    item->Caption = std::move(caption);
    item->OnClick = std::move(onClick);
    item->AutoCheck = autoCheck;
    item->Checked = checked;
    items_.push_back(std::move(item));
    return *items_.back();
}

MenuItem* PopupMenu::Find(const std::string& name) const
{
    for (const auto& item : items_)
        if (item->Name == name)
            return item.get();
    return nullptr;
}

void PopupMenu::Choose(MenuItem& item)
{
    if (item.AutoCheck)
        item.Checked = !item.Checked;
    if (item.OnClick)
        item.OnClick();
}

void PopupMenu::Popup(HWND owner, POINT screen)
{
    // The native menu is built afresh for each showing, so it always reflects the items.
    UniqueMenu owned(CreatePopupMenu());
    HMENU menu = owned.Get();
    if (!menu)
        return;
    for (size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = *items_[i];
        if (item.Caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.Checked ? MF_CHECKED : 0) | (item.Enabled ? 0 : MF_GRAYED);
        AppendMenuA(menu, flags, i + 1, item.Caption.c_str());
    }
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    owned.Reset();
    if (chosen >= 1 && chosen <= items_.size())
        Choose(*items_[chosen - 1]);
}

} // namespace aw::ui
