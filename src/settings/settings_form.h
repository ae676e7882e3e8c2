#pragma once
// The settings window: the options as check boxes on three pages, the custom-locations editor
// on the fourth, the sites to keep on the fifth, and "Close".
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/page_control.h"

#include <array>
#include <memory>

namespace aw {

class CookiesPage;

// The options, each valued as the number of its check box (CheckBoxN, also its key in
// Settings.ini).
enum class OptionId {
    CreateRestorePoint = 1,
    MinimizeToTray = 2,
    CleanWhenWindowsStarts = 3,
    CleanWhenWindowsShutsDown = 4,
    DeleteIndexDatOnReboot = 5,
    NoMessageAfterCleaning = 6,
    SaveSelectionToIni = 7,
    LoadSelectionFromIni = 8,
    ReduceMemoryWhileCleaning = 9,
    StartWithWindows = 10,
};

class SettingsForm : public ui::Form {
public:
    SettingsForm();
    ~SettingsForm() override;

    // Builds the controls and selects the first page. The window is made when first needed.
    void FormCreate();

    ui::CheckBox& Option(OptionId option) const;
    // The check boxes in creation order (the order Settings.ini is written in).
    const std::vector<ui::CheckBox*>& OptionsInCreationOrder() const { return creationOrder_; }

    ui::PageControl* pages = nullptr;
    ui::Memo* locationsMemo = nullptr;      // the custom-location script being edited
    ui::Edit* locationLine = nullptr;       // a line to add to it
    ui::Button* closeButton = nullptr;
    ui::Button* addLocationButton = nullptr; // "+"
    ui::Button* locationsHelpButton = nullptr;
    ui::Button* loadLocationsButton = nullptr;
    ui::Button* saveLocationsButton = nullptr;
    // The sites to keep, on the fifth page.
    CookiesPage* Cookies() const { return cookies_.get(); }

private:
    void AddOption(ui::WinControl& page, OptionId option, int left, int top, const char* caption, bool checked);
    void OnCloseClicked();

    std::array<ui::CheckBox*, 11> options_{};
    std::vector<ui::CheckBox*> creationOrder_;
    std::unique_ptr<CookiesPage> cookies_;
};

} // namespace aw
