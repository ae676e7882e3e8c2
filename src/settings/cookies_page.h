#pragma once
// The settings window's "Cookies" page: on the left the sites that have cookies on this machine,
// on the right the sites to keep (Keep.ini), whose cookies and site data a Clean spares. A site
// moves across with the arrow buttons, is typed in and kept with "Keep", and leaves the list
// with "Remove". Every change is written to Keep.ini at once.
#include "cleaner/keep_list.h"
#include "ui/controls.h"
#include "ui/page_control.h"

#include <string>
#include <vector>

namespace aw {

class CookiesPage {
public:
    // Puts the page's controls on the sheet.
    explicit CookiesPage(ui::TabSheet& sheet);

    // Reads Keep.ini and every cookie store again and shows them; the page's window must exist.
    void Show();

    // The actions of the buttons, for the tests as for the user. A site of a list is chosen by
    // putting the cursor on its line.
    void KeepSelectedSite();   // ">"
    void RemoveSelectedSite(); // "<" and "Remove"
    void KeepTypedSite();      // "Keep", with the site typed in the edit

    const std::vector<std::string>& SitesWithCookies() const { return found_; }
    const KeepList& SitesToKeep() const { return keep_; }
    std::string Message() const { return message_->Caption(); }

    // Read-only lists, a site a line.
    ui::Memo* FoundList = nullptr;
    ui::Memo* KeptList = nullptr;
    ui::Edit* SiteEdit = nullptr;

private:
    void Refill();
    void Save();
    void Say(const std::string& text);

    ui::Label* message_ = nullptr;
    std::vector<std::string> hosts_; // every cookie host found
    std::vector<std::string> found_; // those the list does not keep, as shown
    KeepList keep_;
};

} // namespace aw
