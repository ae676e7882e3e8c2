#include "settings/cookies_page.h"

#include "cleaner/cookie_sites.h"
#include "settings/keep_file.h"

#include <windows.h>

namespace aw {

namespace {

// The line the cursor is on, -1 without a window.
int LineOfCursor(const ui::Memo& list)
{
    if (!list.Handle())
        return -1;
    return static_cast<int>(SendMessageW(list.Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}

} // namespace

CookiesPage::CookiesPage(ui::TabSheet& sheet)
{
    sheet.Add<ui::Label>(ui::Bounds{8, 8, 240, 13}, "Label3", "Sites with cookies");
    sheet.Add<ui::Label>(ui::Bounds{297, 8, 248, 13}, "Label4", "Sites to keep");
    FoundList = &sheet.Add<ui::Memo>(ui::Bounds{8, 24, 240, 154}, "Memo2");
    auto& keep = sheet.Add<ui::Button>(ui::Bounds{256, 68, 33, 23}, "Button6", ">");
    auto& back = sheet.Add<ui::Button>(ui::Bounds{256, 100, 33, 23}, "Button7", "<");
    KeptList = &sheet.Add<ui::Memo>(ui::Bounds{297, 24, 248, 154}, "Memo3");
    message_ = &sheet.Add<ui::Label>(ui::Bounds{8, 186, 537, 13}, "Label5", "");
    SiteEdit = &sheet.Add<ui::Edit>(ui::Bounds{8, 206, 297, 21}, "Edit2");
    auto& keepTyped = sheet.Add<ui::Button>(ui::Bounds{312, 205, 75, 23}, "Button8", "Keep");
    auto& remove = sheet.Add<ui::Button>(ui::Bounds{470, 205, 75, 23}, "Button9", "Remove");
    keep.OnClick = [this] { KeepSelectedSite(); };
    back.OnClick = [this] { RemoveSelectedSite(); };
    remove.OnClick = [this] { RemoveSelectedSite(); };
    keepTyped.OnClick = [this] { KeepTypedSite(); };
}

void CookiesPage::Show()
{
    for (ui::Memo* list : {FoundList, KeptList})
        if (list->Handle())
            SendMessageW(list->Handle(), EM_SETREADONLY, TRUE, 0);
    const KeepListReading reading = ReadKeepFile();
    keep_ = reading.List;
    hosts_ = HostsWithCookies();
    if (reading.State == KeepListState::Unusable)
        Say("Keep.ini cannot be used (too large, too many sites, or not text): Clean keeps every site's cookies.");
    else if (reading.IgnoredLines > 0)
        Say(std::to_string(reading.IgnoredLines) + " line(s) of Keep.ini name no site and are ignored.");
    else
        Say("The cookies and site data of these sites stay when cookies are cleaned.");
    Refill();
}

void CookiesPage::Refill()
{
    found_.clear();
    for (const std::string& host : hosts_)
        if (!keep_.KeepsCookieHost(host))
            found_.push_back(host);
    FoundList->SetLines(found_);
    KeptList->SetLines(keep_.Domains());
}

void CookiesPage::Save()
{
    if (!WriteKeepFile(keep_))
        Say("Keep.ini could not be written; the list is as it was before.");
    Refill();
}

void CookiesPage::Say(const std::string& text)
{
    message_->SetCaption(text);
}

void CookiesPage::KeepSelectedSite()
{
    const int row = LineOfCursor(*FoundList);
    if (row < 0 || static_cast<std::size_t>(row) >= found_.size())
        return;
    if (keep_.Add(found_[static_cast<std::size_t>(row)]) == KeepList::AddResult::ListFull) {
        Say("The list holds at most " + std::to_string(kMaxKeptSites) + " sites.");
        return;
    }
    Save();
}

void CookiesPage::RemoveSelectedSite()
{
    const int row = LineOfCursor(*KeptList);
    if (row < 0 || static_cast<std::size_t>(row) >= keep_.size())
        return;
    keep_.Remove(keep_.Domains()[static_cast<std::size_t>(row)]);
    Save();
}

void CookiesPage::KeepTypedSite()
{
    const std::string typed = SiteEdit->Text();
    switch (keep_.Add(typed)) {
    case KeepList::AddResult::NotASite:
        Say("\"" + typed + "\" is not a site name.");
        return;
    case KeepList::AddResult::ListFull:
        Say("The list holds at most " + std::to_string(kMaxKeptSites) + " sites.");
        return;
    case KeepList::AddResult::AlreadyKept:
        Say("That site is kept already.");
        break;
    case KeepList::AddResult::Added:
        break;
    }
    SiteEdit->SetText("");
    Save();
}

} // namespace aw
