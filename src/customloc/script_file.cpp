#include "customloc/script_file.h"

#include "platform/handle.h"
#include "platform/open_file.h"
#include "platform/text.h"
#include "platform/unicode_text.h"
#include "platform/wide_text.h"

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
    std::string text = length && buffer ? Utf8FromAnsi(std::string_view(buffer, length)) : "error " + std::to_string(error);
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
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
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
    if (std::optional<std::string_view> utf8 = Utf8TextOf(text))
        lines = SplitLines(*utf8);
    else
        lines = SplitLines(Utf8FromAnsi(text));
    return true;
}

void SaveLinesToFile(const std::vector<std::string>& lines, const std::string& path)
{
    const std::string joined = JoinLines(lines);
    const std::string text = AnsiFromUtf8(joined).value_or(joined);
    UniqueHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
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
