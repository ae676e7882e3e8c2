#include "platform/shell.h"

#include "platform/wide_text.h"

#include <windows.h>
#include <shellapi.h>

namespace aw {

bool OpenWithShell(const std::string& target, int show)
{
    std::optional<std::wstring> wide = WideFromUtf8(target);
    if (!wide)
        return false;
    HINSTANCE result = ShellExecuteW(nullptr, L"open", wide->c_str(), nullptr, nullptr, show);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::vector<std::string> ProgramArguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8FromWide(words[i]));
    LocalFree(words);
    return arguments;
}

} // namespace aw
