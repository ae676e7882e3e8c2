#pragma once
// A pop-up menu of named items; items with AutoCheck flip their check mark themselves before
// their click handler runs.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace aw::ui {

struct MenuItem {
    std::string Name;
    std::string Caption; // "-" makes a separator
    bool AutoCheck = false;
    bool Checked = false;
    bool Enabled = true;
    std::function<void()> OnClick;
};

class PopupMenu {
public:
    explicit PopupMenu(std::string name) : name_(std::move(name)) {}

    MenuItem& AddItem(std::string name, std::string caption, std::function<void()> onClick = {},
                      bool autoCheck = false, bool checked = false);
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem* Find(const std::string& name) const;
    const std::string& Name() const { return name_; }

    // Shows the menu at a screen point, owned by `owner`, and runs the chosen item.
    void Popup(HWND owner, POINT screen);
    // Runs an item as if it had been chosen (auto-check, then its handler).
    void Choose(MenuItem& item);

private:
    std::string name_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

} // namespace aw::ui
