#include "customloc/script_file.h"

#include "platform/handle.h"
#include "platform/text.h"

#include <windows.h>

#include <stdexcept>

namespace aw {

namespace {

// A script is a few lines; anything this large is not one, and is not read into the editor.
constexpr LONGLONG kLargestScript = 64LL * 1024 * 1024;

std::string SystemMessage(DWORD error)
{
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : "error " + std::to_string(error);
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

[[noreturn]] void ThrowFileError(const char* what, const std::string& path)
{
    DWORD error = GetLastError();
    throw std::runtime_error(std::string(what) + " \"" + path + "\". " + SystemMessage(error));
}

} // namespace

bool LoadLinesFromFile(std::vector<std::string>& lines, const std::string& path)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestScript)
        return false;
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), text.data() + done, static_cast<DWORD>(text.size() - done), &got, nullptr))
            return false;
        if (got == 0)
            break; // the file shrank meanwhile
        done += got;
    }
    text.resize(done);
    lines = SplitLines(text);
    return true;
}

void SaveLinesToFile(const std::vector<std::string>& lines, const std::string& path)
{
    const std::string text = JoinLines(lines);
    UniqueHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        ThrowFileError("Cannot create file", path);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) ||
            written == 0)
            ThrowFileError("Cannot write file", path);
        done += written;
    }
}

} // namespace aw
