#pragma once
// The gallery: test windows holding one of each common control in its states, as bare windows
// of the system's classes (and of other libraries' class names, registered here), for the
// painter tests and the gallery pictures.

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "skin/controls/control_skinning.h"
#include "skin/data/skin_data.h"
#include "ui/form.h"

namespace aw::skin::test {

enum class GalleryGroup { Lists, Ranges, Tabs, Others };
inline constexpr GalleryGroup kGalleryGroups[] = {GalleryGroup::Lists, GalleryGroup::Ranges, GalleryGroup::Tabs,
                                                  GalleryGroup::Others};
const char* GalleryGroupName(GalleryGroup group);

class Gallery {
public:
    // Creates and shows the window of a group; its controls are native until Skin.
    explicit Gallery(GalleryGroup group);
    ~Gallery();
    Gallery(const Gallery&) = delete;
    Gallery& operator=(const Gallery&) = delete;

    HWND Control(const std::string& name) const;
    HWND Handle() const { return form_.Handle(); }
    ui::Form& Form() { return form_; }
    // Skins the controls with `data`, as a skinned form does; the gallery's handler gives the
    // painters of bare common controls.
    ControlSkins& Skin(TSkinData& data);
    // Puts the controls in the states the pictures show (disabled, checked, hovered ...).
    void SetStates();

private:
    HWND Add(const std::string& name, const char* windowClass, const char* text, DWORD style, int x, int y, int w,
             int h, DWORD exStyle = 0);
    void BuildLists();
    void BuildRanges();
    void BuildTabs();
    void BuildOthers();

    GalleryGroup group_;
    ui::Form form_;
    std::map<std::string, HWND> controls_;
};

// The button a gallery media player last clicked (0 play ... 8 eject), -1 before any.
int PlayerClicked(HWND player);

// The Skin3rd lines that route the gallery's bare system classes to their painters.
void AddGallerySkin3rd(TSkinData& data);
// The handler the gallery skins with: the painters for bare up-downs, list views, headers and
// tool bars.
ControlSkinHooks GalleryHooks();

}  // namespace aw::skin::test
