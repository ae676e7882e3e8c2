#include "settings/settings_form.h"

#include "customloc/locations_editor.h"
#include "settings/autostart.h"
#include "settings/cookies_page.h"

#include <stdexcept>

namespace aw {

namespace {

ui::FontSpec TahomaFont(bool bold = false)
{
    ui::FontSpec font;
    font.Name = "Tahoma";
    font.Height = 11;
    font.Bold = bold;
    return font;
}

// The options: page, position and caption of each check box, in creation order.
struct OptionLayout {
    int Page; // index into the pages
    OptionId Option;
    int Left, Top;
    const char* Caption;
    bool Checked;
};

constexpr int kGeneral = 0, kCleaning = 1, kSchedule = 2;

const OptionLayout kOptions[] = {
    {kGeneral, OptionId::NoMessageAfterCleaning, 16, 16, "Do not show message after deleted traces", false},
    {kGeneral, OptionId::CreateRestorePoint, 16, 40, "Create a system restore point before delete traces", false},
    {kGeneral, OptionId::MinimizeToTray, 16, 136, "Minimize to System Tray", true},
    {kGeneral, OptionId::StartWithWindows, 16, 160, "Start with Windows", false},
    {kGeneral, OptionId::ReduceMemoryWhileCleaning, 16, 64, "Reduce memory usage during cleaning process", false},
    {kGeneral, OptionId::SaveSelectionToIni, 16, 88, "Save selected traces to INI file", false},
    {kGeneral, OptionId::LoadSelectionFromIni, 16, 112, "Load selected traces from INI file", false},
    {kCleaning, OptionId::DeleteIndexDatOnReboot, 16, 16, "Try to delete index.dat files on next reboot", false},
    {kSchedule, OptionId::CleanWhenWindowsStarts, 16, 16, "Delete selected traces when Windows starts", false},
    {kSchedule, OptionId::CleanWhenWindowsShutsDown, 16, 40, "Delete selected traces when Windows shut down", false},
};

} // namespace

SettingsForm::SettingsForm() : ui::Form("Form2", "TForm2", 577, 397)
{
    caption_ = "Settings";
    font_ = TahomaFont();
}

SettingsForm::~SettingsForm() = default;

void SettingsForm::AddOption(ui::WinControl& page, OptionId option, int left, int top, const char* caption,
                             bool checked)
{
    const int number = static_cast<int>(option);
    auto& box = page.Add<ui::CheckBox>(ui::Bounds{left, top, 449, 17}, "CheckBox" + std::to_string(number), caption,
                                       checked);
    options_[static_cast<size_t>(number)] = &box;
    creationOrder_.push_back(&box);
}

void SettingsForm::FormCreate()
{
    // The controls hold the options and the custom locations from here on; the window itself
    // is made the first time it is shown.
    closeButton = &Add<ui::Button>(ui::Bounds{8, 360, 75, 25}, "Button1", "Close");
    closeButton->OnClick = [this] { OnCloseClicked(); };

    auto& header = Add<ui::Panel>(ui::Bounds{-8, -8, 665, 65}, "Panel1", false);
    auto& title = header.Add<ui::Label>(ui::Bounds{24, 18, 47, 13}, "Label1", "Settings");
    title.SetFont(TahomaFont(true));
    header.Add<ui::Label>(ui::Bounds{24, 36, 114, 13}, "Label2", "Edit program's defaults.");

    pages = &Add<ui::PageControl>(ui::Bounds{8, 72, 561, 273}, "PageControl1");
    ui::TabSheet* tabs[] = {
        &pages->AddPage("TabSheet1", "  General  "),
        &pages->AddPage("TabSheet3", "  Cleaning  "),
        &pages->AddPage("TabSheet2", "  Schedule  "),
        &pages->AddPage("TabSheet4", "  Advanced  "),
        &pages->AddPage("TabSheet5", "  Cookies  "),
    };
    for (const OptionLayout& option : kOptions)
        AddOption(*tabs[option.Page], option.Option, option.Left, option.Top, option.Caption, option.Checked);

    ui::TabSheet& advanced = *tabs[3];
    locationsMemo = &advanced.Add<ui::Memo>(ui::Bounds{8, 8, 537, 174}, "Memo1");
    locationLine = &advanced.Add<ui::Edit>(ui::Bounds{8, 190, 505, 21}, "Edit1");
    addLocationButton = &advanced.Add<ui::Button>(ui::Bounds{520, 189, 25, 23}, "Button2", "+");
    locationsHelpButton = &advanced.Add<ui::Button>(ui::Bounds{8, 218, 75, 23}, "Button3", "Help");
    loadLocationsButton = &advanced.Add<ui::Button>(ui::Bounds{392, 218, 75, 23}, "Button4", "Load");
    saveLocationsButton = &advanced.Add<ui::Button>(ui::Bounds{470, 218, 75, 23}, "Button5", "Save");
    WireLocationsEditor(*locationsMemo, *locationLine, *addLocationButton, *locationsHelpButton, *loadLocationsButton,
                        *saveLocationsButton);
    Option(OptionId::CleanWhenWindowsStarts).OnClick = [this] {
        OnCleanAtWindowsStartClicked(Option(OptionId::CleanWhenWindowsStarts));
    };
    Option(OptionId::StartWithWindows).OnClick = [this] {
        OnStartWithWindowsClicked(Option(OptionId::StartWithWindows));
    };

    cookies_ = std::make_unique<CookiesPage>(*tabs[4]);
    pages->OnChange = [this](int index) {
        if (index == 4)
            cookies_->Show();
    };

    pages->SetActivePageIndex(0);
}

ui::CheckBox& SettingsForm::Option(OptionId option) const
{
    const int number = static_cast<int>(option);
    if (number < 1 || number > 10 || !options_[static_cast<size_t>(number)])
        throw std::out_of_range("no such option");
    return *options_[static_cast<size_t>(number)];
}

void SettingsForm::OnCloseClicked()
{
    Close();
}

} // namespace aw
