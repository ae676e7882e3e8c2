#include "catalogue/browser_processes.h"

namespace aw {

namespace {

const std::vector<BrowserProcesses> kBrowsers = {
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

} // namespace

const std::vector<BrowserProcesses>& BrowserProcessTable()
{
    return kBrowsers;
}

} // namespace aw
