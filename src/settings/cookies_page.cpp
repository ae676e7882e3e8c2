#include "settings/cookies_page.h"

#include "cleaner/cookie_sites.h"
#include "settings/keep_file.h"

namespace aw {

CookiesPage::CookiesPage(ui::TabSheet& sheet)
{
    FoundList = &sheet.Add<ui::VirtualListView>(ui::Bounds{8, 8, 240, 170}, "ListView2");
    auto& keep = sheet.Add<ui::Button>(ui::Bounds{256, 60, 33, 23}, "Button6", ">");
    auto& back = sheet.Add<ui::Button>(ui::Bounds{256, 92, 33, 23}, "Button7", "<");
    KeptList = &sheet.Add<ui::VirtualListView>(ui::Bounds{297, 8, 248, 170}, "ListView3");
    message_ = &sheet.Add<ui::Label>(ui::Bounds{8, 186, 537, 13}, "Label3", "");
    SiteEdit = &sheet.Add<ui::Edit>(ui::Bounds{8, 206, 297, 21}, "Edit2");
    auto& keepTyped = sheet.Add<ui::Button>(ui::Bounds{312, 205, 75, 23}, "Button8", "Keep");
    auto& remove = sheet.Add<ui::Button>(ui::Bounds{470, 205, 75, 23}, "Button9", "Remove");
    keep.OnClick = [this] { KeepSelectedSite(); };
    back.OnClick = [this] { RemoveSelectedSite(); };
    remove.OnClick = [this] { RemoveSelectedSite(); };
    keepTyped.OnClick = [this] { KeepTypedSite(); };
    FoundList->CellText = [this](int row, int) {
        return row >= 0 && static_cast<std::size_t>(row) < found_.size() ? found_[static_cast<std::size_t>(row)]
                                                                         : std::string();
    };
    KeptList->CellText = [this](int row, int) {
        const std::vector<std::string>& kept = keep_.Domains();
        return row >= 0 && static_cast<std::size_t>(row) < kept.size() ? kept[static_cast<std::size_t>(row)]
                                                                       : std::string();
    };
}

void CookiesPage::Show()
{
    if (!columnsSet_) {
        FoundList->SetColumns({{"Sites with cookies", 236}});
        KeptList->SetColumns({{"Sites to keep", 244}});
        columnsSet_ = true;
    }
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
    FoundList->SetRowCount(static_cast<int>(found_.size()));
    KeptList->SetRowCount(static_cast<int>(keep_.size()));
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
    const int row = FoundList->SelectedRow();
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
    const int row = KeptList->SelectedRow();
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
