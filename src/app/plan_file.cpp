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

} // namespace

std::string PlanCsv(const CleanPlan& plan)
{
    std::string text = "group,category,kind,path,bytes\r\n";
    for (const PlanEntry& entry : plan.Entries) {
        const TraceCategoryRef& category = plan.Categories[entry.Category];
        AppendField(text, category.Group);
        text += ',';
        AppendField(text, category.Category);
        text += ',';
        text += PlanKindName(entry.Kind);
        // A database cleaned in place says how many of its rows go.
        if (entry.Kind == PlanKind::Rows)
            text += ':' + std::to_string(entry.Rows);
        text += ',';
        AppendField(text, entry.Path);
        text += ',';
        text += std::to_string(entry.Bytes);
        text += "\r\n";
    }
    return text;
}

bool WritePlanFile(const std::string& path, const CleanPlan& plan)
{
    const std::string text = PlanCsv(plan);
    UniqueHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace aw
