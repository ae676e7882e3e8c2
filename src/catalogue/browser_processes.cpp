#include "catalogue/browser_processes.h"

#include "cleaner/browser_families.h"
#include "cleaner/location_table.h"

#include <algorithm>

namespace aw {

namespace {

const std::vector<BrowserProcesses> kFixedBrowsers = {
    {"Apple Safari", {"Safari.exe"}},
    {"Avant Browser", {"avant.exe", "AvantBrowser.exe"}},
    {"ChromePlus", {"chrome.exe", "ChromePlus.exe"}},
    {"Comodo Dragon", {"dragon.exe"}},
    {"Flock", {"flock.exe"}},
    {"Google Chrome", {"chrome.exe"}},
    {"Internet Explorer", {"iexplore.exe"}},
    {"K-Meleon", {"k-meleon.exe"}},
    {"Lunascape", {"Lunascape.exe", "Luna.exe"}},
    {"Mozilla Firefox", {"firefox.exe"}},
    {"Netscape", {"netscape.exe", "navigator.exe"}},
    {"Opera", {"opera.exe"}},
    {"Pale Moon", {"palemoon.exe"}},
    {"QtWeb", {"QtWeb.exe"}},
    {"SeaMonkey", {"seamonkey.exe"}},
    {"SRWare Iron", {"iron.exe"}},
};

std::vector<BrowserProcesses> MakeTable()
{
    std::vector<BrowserProcesses> table = kFixedBrowsers;
    for (const FamilyBrowser& browser : FamilyBrowsers())
        table.push_back(BrowserProcesses{browser.Group, browser.Images});
    std::stable_sort(table.begin(), table.end(), [](const BrowserProcesses& a, const BrowserProcesses& b) {
        return ComesBeforeInTree(a.Group, b.Group);
    });
    return table;
}

} // namespace

const std::vector<BrowserProcesses>& BrowserProcessTable()
{
    static const std::vector<BrowserProcesses> table = MakeTable();
    return table;
}

} // namespace aw
