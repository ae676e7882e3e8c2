#include "platform/profile_file.h"

#include "platform/wide_text.h"

#include <windows.h>

#include <vector>

namespace aw {

std::string ReadProfileValue(const std::string& path, const std::string& section, const std::string& key,
                             std::size_t capacity)
{
    auto file = WidePath(path);
    auto wideSection = WideFromUtf8(section);
    auto wideKey = WideFromUtf8(key);
    if (path.empty() || !file || !wideSection || !wideKey || capacity == 0)
        return std::string();
    std::vector<wchar_t> buffer(capacity, L'\0');
    const DWORD length = GetPrivateProfileStringW(wideSection->c_str(), wideKey->c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(capacity), file->c_str());
    return Utf8FromWide(std::wstring_view(buffer.data(), length));
}

void WriteProfileValue(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value)
{
    auto file = WidePath(path);
    auto wideSection = WideFromUtf8(section);
    auto wideKey = WideFromUtf8(key);
    auto wideValue = WideFromUtf8(value);
    if (path.empty() || !file || !wideSection || !wideKey || !wideValue)
        return;
    WritePrivateProfileStringW(wideSection->c_str(), wideKey->c_str(), wideValue->c_str(), file->c_str());
}

std::string ProfileSectionList(const std::string& path, std::size_t limit)
{
    auto file = WidePath(path);
    if (path.empty() || !file)
        return std::string();
    for (std::size_t size = 4096; size <= limit; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        const DWORD length = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(size), file->c_str());
        // A list that did not fit comes back cut at size - 2.
        if (length + 2 < size)
            return Utf8FromWide(std::wstring_view(buffer.data(), length + 1));
    }
    return std::string();
}

} // namespace aw
