#include "apprules/app_catalogue.h"

#include <algorithm>

namespace aw {

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

} // namespace

std::string AppGroupText(std::string_view category)
{
    return kAppGroupPrefix + std::string(category);
}

AppCatalogue::AppCatalogue(std::vector<AppEntry> entries)
    : entries_(std::move(entries)), ticked_(entries_.size(), false), everTicked_(entries_.size(), false)
{
}

std::vector<std::string> AppCatalogue::Groups() const
{
    std::vector<std::string> groups;
    for (const AppEntry& entry : entries_)
        groups.push_back(AppGroupText(entry.Category));
    std::sort(groups.begin(), groups.end(), LessIgnoringCase);
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

std::size_t AppCatalogue::Find(std::string_view group, std::string_view name) const
{
    for (std::size_t index = 0; index < entries_.size(); ++index)
        if (EqualIgnoringCase(entries_[index].Name, name) && GroupOf(index) == group)
            return index;
    return entries_.size();
}

void AppCatalogue::SetTicked(std::size_t index, bool ticked)
{
    ticked_[index] = ticked;
    if (ticked)
        everTicked_[index] = true;
}

void AppCatalogue::UntickAll()
{
    std::fill(ticked_.begin(), ticked_.end(), false);
}

bool AppCatalogue::AnyTicked() const
{
    return std::find(ticked_.begin(), ticked_.end(), true) != ticked_.end();
}

std::vector<std::size_t> AppCatalogue::TickedEntries() const
{
    std::vector<std::size_t> ticked;
    for (std::size_t index = 0; index < ticked_.size(); ++index)
        if (ticked_[index])
            ticked.push_back(index);
    return ticked;
}

std::vector<std::size_t> AppCatalogue::EverTicked() const
{
    std::vector<std::size_t> ever;
    for (std::size_t index = 0; index < everTicked_.size(); ++index)
        if (everTicked_[index])
            ever.push_back(index);
    return ever;
}

} // namespace aw
