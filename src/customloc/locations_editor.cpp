#include "customloc/locations_editor.h"

#include "customloc/script_file.h"
#include "customloc/script_parser.h"
#include "platform/file_system.h"
#include "platform/folder_services.h"
#include "platform/shell.h"

#include <windows.h>

#include <algorithm>

namespace aw {

namespace {

std::string BesideExe(const char* fileName)
{
    return GetExeFolder() + fileName;
}

} // namespace

namespace locations_editor {

void AddLine(const ui::Edit& line, ui::Memo& script)
{
    const std::string text = line.Text();
    if (text.empty())
        return;
    const std::string trimmed(TrimScriptBlanks(text));
    const std::vector<std::string> lines = script.Lines();
    if (std::find(lines.begin(), lines.end(), trimmed) == lines.end())
        script.AddLine(trimmed);
}

void OpenExamples()
{
    const std::string examples = BesideExe(kExamplesFileName);
    if (FileExists(examples))
        OpenWithShell(examples, SW_SHOWNORMAL);
}

void LoadLocations(ui::Memo& script)
{
    const std::string path = BesideExe(kLocationsFileName);
    if (!FileExists(path))
        return;
    std::vector<std::string> lines;
    if (LoadLinesFromFile(lines, path))
        script.SetLines(lines);
}

void SaveLocations(const ui::Memo& script)
{
    const std::vector<std::string> lines = script.Lines();
    if (lines.empty())
        return;
    SaveLinesToFile(lines, BesideExe(kLocationsFileName));
}

} // namespace locations_editor

void LoadLocationsAtShow(ui::Memo& script)
{
    locations_editor::LoadLocations(script);
}

void WireLocationsEditor(ui::Memo& script, ui::Edit& line, ui::Button& addButton, ui::Button& helpButton,
                         ui::Button& loadButton, ui::Button& saveButton)
{
    addButton.OnClick = [&script, &line] { locations_editor::AddLine(line, script); };
    helpButton.OnClick = [] { locations_editor::OpenExamples(); };
    loadButton.OnClick = [&script] { locations_editor::LoadLocations(script); };
    saveButton.OnClick = [&script] { locations_editor::SaveLocations(script); };
}

} // namespace aw
