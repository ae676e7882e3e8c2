#include "app/plan_file.h"

#include "platform/handle.h"
#include "platform/open_file.h"

#include <windows.h>

namespace aw {

namespace {

void AppendField(std::string& line, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        line += text;
        return;
    }
    line += '"';
    for (char c : text) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

// One entry's line up to its last column, without the line break.
std::string EntryFields(const CleanPlan& plan, const PlanEntry& entry)
{
    const TraceCategoryRef& category = plan.Categories[entry.Category];
    std::string line;
    AppendField(line, category.Group);
    line += ',';
    AppendField(line, category.Category);
    line += ',';
    line += PlanKindName(entry.Kind);
    // A database cleaned in place says how many of its rows go.
    if (entry.Kind == PlanKind::Rows)
        line += ':' + std::to_string(entry.Rows);
    line += ',';
    AppendField(line, entry.Path);
    line += ',';
    line += std::to_string(entry.Bytes);
    return line;
}

bool WriteText(const std::string& path, const std::string& text)
{
    UniqueHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace

std::string PlanCsv(const CleanPlan& plan)
{
    std::string text = "group,category,kind,path,bytes\r\n";
    for (const PlanEntry& entry : plan.Entries)
        text += EntryFields(plan, entry) + "\r\n";
    return text;
}

bool WritePlanFile(const std::string& path, const CleanPlan& plan)
{
    return WriteText(path, PlanCsv(plan));
}

std::string LogCsv(const CleanLog& log)
{
    std::string text = "group,category,kind,path,bytes,result\r\n";
    for (std::size_t i = 0; i < log.Plan.Entries.size() && i < log.Results.size(); ++i)
        text += EntryFields(log.Plan, log.Plan.Entries[i]) + ',' + EntryResultName(log.Results[i]) + "\r\n";
    return text;
}

bool WriteLogFile(const std::string& path, const CleanLog& log)
{
    return WriteText(path, LogCsv(log));
}

} // namespace aw
