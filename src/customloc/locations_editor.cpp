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

void Button2Click(const ui::Edit& edit1, ui::Memo& memo1)
{
    const std::string text = edit1.Text();
    if (text.empty())
        return;
    const std::string line(TrimScriptBlanks(text));
    const std::vector<std::string> lines = memo1.Lines();
    if (std::find(lines.begin(), lines.end(), line) == lines.end())
        memo1.AddLine(line);
}

void Button3Click()
{
    const std::string examples = BesideExe(kExamplesFileName);
    if (FileExists(examples))
        OpenWithShell(examples, SW_SHOWNORMAL);
}

void Button4Click(ui::Memo& memo1)
{
    const std::string path = BesideExe(kLocationsFileName);
    if (!FileExists(path))
        return;
    std::vector<std::string> lines;
    if (LoadLinesFromFile(lines, path))
        memo1.SetLines(lines);
}

void Button5Click(const ui::Memo& memo1)
{
    const std::vector<std::string> lines = memo1.Lines();
    if (lines.empty())
        return;
    SaveLinesToFile(lines, BesideExe(kLocationsFileName));
}

} // namespace locations_editor

void LoadLocationsAtShow(ui::Memo& memo1)
{
    locations_editor::Button4Click(memo1);
}

void WireLocationsEditor(ui::Memo& memo1, ui::Edit& edit1, ui::Button& button2, ui::Button& button3,
                         ui::Button& button4, ui::Button& button5)
{
    button2.OnClick = [&memo1, &edit1] { locations_editor::Button2Click(edit1, memo1); };
    button3.OnClick = [] { locations_editor::Button3Click(); };
    button4.OnClick = [&memo1] { locations_editor::Button4Click(memo1); };
    button5.OnClick = [&memo1] { locations_editor::Button5Click(memo1); };
}

} // namespace aw
