#include "app/plan_file.h"

#include "platform/handle.h"

#include <windows.h>

namespace aw {

namespace {

// The program's texts are in the system's ANSI code page.
std::string Utf8(const std::string& ansi)
{
    if (ansi.empty())
        return ansi;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (wideLength <= 0)
        return ansi;
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return ansi;
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

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
        AppendField(text, Utf8(category.Group));
        text += ',';
        AppendField(text, Utf8(category.Category));
        text += ',';
        text += PlanKindName(entry.Kind);
        text += ',';
        AppendField(text, Utf8(entry.Path));
        text += ',';
        text += std::to_string(entry.Bytes);
        text += "\r\n";
    }
    return text;
}

bool WritePlanFile(const std::string& path, const CleanPlan& plan)
{
    const std::string text = PlanCsv(plan);
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

} // namespace aw
