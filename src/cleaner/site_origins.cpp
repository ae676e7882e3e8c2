#include "cleaner/site_origins.h"

#include "cleaner/site_domain.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdint>

namespace aw {

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A port of 1 to 65535 written in decimal; an empty text when `allowZero` stands for none.
std::optional<int> PortNumber(std::string_view text, bool allowZero)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), IsAsciiDigit))
        return std::nullopt;
    int port = 0;
    for (char c : text)
        port = port * 10 + (c - '0');
    if (port > 65535 || (port == 0 && !allowZero))
        return std::nullopt;
    return port;
}

// A host as browsers write it in storage: ASCII letters, digits, '.', '-', '_', or an IPv6
// address in brackets. Canonical form, or nullopt.
std::optional<std::string> StoredHost(std::string_view host)
{
    if (!host.empty() && host.front() == '[') {
        if (host.size() < 3 || host.back() != ']')
            return std::nullopt;
        std::string_view inside = host.substr(1, host.size() - 2);
        const bool plain = std::all_of(inside.begin(), inside.end(), [](char c) {
            return IsAsciiDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
        });
        if (!plain || inside.find(':') == std::string_view::npos)
            return std::nullopt;
        return CanonicalHost(inside);
    }
    const bool plain = std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsAsciiDigit(c) || c == '.' || c == '-' || c == '_';
    });
    if (!plain || host.size() > kMaxDomainLength + 2)
        return std::nullopt;
    return CanonicalHost(host);
}

std::optional<SiteOrigin> MakeOrigin(std::string_view scheme, std::string_view host, int port)
{
    if (!IsUrlScheme(scheme))
        return std::nullopt;
    std::optional<std::string> canonical = StoredHost(host);
    if (!canonical)
        return std::nullopt;
    return SiteOrigin{AsciiLower(scheme), std::move(*canonical), port};
}

// Reads a protobuf varint; false when the text ends inside it or it is longer than 64 bits.
bool ReadVarint(std::string_view& bytes, std::uint64_t& value)
{
    value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (bytes.empty())
            return false;
        const auto byte = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

} // namespace

std::optional<SiteOrigin> ParseSerialisedOrigin(std::string_view text)
{
    std::size_t schemeEnd = text.find("://");
    if (schemeEnd == std::string_view::npos)
        return std::nullopt;
    std::string_view scheme = text.substr(0, schemeEnd);
    std::string_view rest = text.substr(schemeEnd + 3);
    rest = rest.substr(0, rest.find('^'));
    if (!rest.empty() && rest.back() == '/')
        rest.remove_suffix(1);
    if (rest.find_first_of("/@?#") != std::string_view::npos)
        return std::nullopt;
    std::string_view host = rest;
    int port = 0;
    std::size_t colon = rest.rfind(':');
    const std::size_t close = rest.rfind(']');
    if (colon != std::string_view::npos && (close == std::string_view::npos || colon > close)) {
        std::optional<int> number = PortNumber(rest.substr(colon + 1), false);
        if (!number)
            return std::nullopt;
        port = *number;
        host = rest.substr(0, colon);
    }
    return MakeOrigin(scheme, host, port);
}

std::optional<SiteOrigin> OriginOfChromiumIdentifier(std::string_view identifier)
{
    // Schemes hold no '_' and ports are digits, so the first and the last '_' split it even
    // when the host holds one.
    std::size_t first = identifier.find('_');
    std::size_t last = identifier.rfind('_');
    if (first == std::string_view::npos || first == last)
        return std::nullopt;
    std::optional<int> port = PortNumber(identifier.substr(last + 1), true);
    if (!port)
        return std::nullopt;
    return MakeOrigin(identifier.substr(0, first), identifier.substr(first + 1, last - first - 1), *port);
}

std::optional<SiteOrigin> OriginOfChromiumIndexedDbFolder(std::string_view folderName)
{
    for (std::string_view suffix : {std::string_view(".indexeddb.leveldb"), std::string_view(".indexeddb.blob")}) {
        if (folderName.size() > suffix.size() &&
            EqualsIgnoringCase(folderName.substr(folderName.size() - suffix.size()), suffix))
            return OriginOfChromiumIdentifier(folderName.substr(0, folderName.size() - suffix.size()));
    }
    return std::nullopt;
}

std::optional<SiteOrigin> OriginOfFileSystemOriginsKey(std::string_view key)
{
    constexpr std::string_view kPrefix = "ORIGIN:";
    if (key.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    return OriginOfChromiumIdentifier(key.substr(kPrefix.size()));
}

std::optional<SiteOrigin> OriginOfServiceWorkerKey(std::string_view key)
{
    constexpr std::string_view kUniqueOrigin = "INITDATA_UNIQUE_ORIGIN:";
    constexpr std::string_view kRegistration = "REG:";
    if (key.substr(0, kUniqueOrigin.size()) == kUniqueOrigin)
        return ParseSerialisedOrigin(key.substr(kUniqueOrigin.size()));
    if (key.substr(0, kRegistration.size()) == kRegistration) {
        std::string_view rest = key.substr(kRegistration.size());
        std::size_t nul = rest.find('\0');
        if (nul == std::string_view::npos)
            return std::nullopt;
        return ParseSerialisedOrigin(rest.substr(0, nul));
    }
    return std::nullopt;
}

std::optional<SiteOrigin> OriginOfCacheStorageIndex(std::string_view bytes)
{
    constexpr std::uint64_t kOriginField = 2, kStorageKeyField = 3;
    while (!bytes.empty()) {
        std::uint64_t tag = 0;
        if (!ReadVarint(bytes, tag))
            return std::nullopt;
        const std::uint64_t field = tag >> 3;
        std::uint64_t skip = 0;
        switch (tag & 7) {
        case 0: {
            std::uint64_t ignored = 0;
            if (!ReadVarint(bytes, ignored))
                return std::nullopt;
            continue;
        }
        case 1:
            skip = 8;
            break;
        case 5:
            skip = 4;
            break;
        case 2: {
            if (!ReadVarint(bytes, skip) || skip > bytes.size())
                return std::nullopt;
            if (field == kOriginField || field == kStorageKeyField)
                return ParseSerialisedOrigin(bytes.substr(0, static_cast<std::size_t>(skip)));
            break;
        }
        default:
            return std::nullopt;
        }
        if (skip > bytes.size())
            return std::nullopt;
        bytes.remove_prefix(static_cast<std::size_t>(skip));
    }
    return std::nullopt;
}

std::optional<SiteOrigin> OriginOfFirefoxStorageFolder(std::string_view folderName)
{
    folderName = folderName.substr(0, folderName.find('^'));
    std::size_t schemeEnd = folderName.find("+++");
    if (schemeEnd == std::string_view::npos)
        return std::nullopt;
    std::string_view scheme = folderName.substr(0, schemeEnd);
    std::string_view rest = folderName.substr(schemeEnd + 3);
    std::string host;
    std::string_view portText;
    bool hasPort = false;
    if (!rest.empty() && rest.front() == '[') {
        std::size_t close = rest.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        host = std::string(rest.substr(0, close + 1));
        std::replace(host.begin(), host.end(), '+', ':');
        std::string_view after = rest.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != '+')
                return std::nullopt;
            hasPort = true;
            portText = after.substr(1);
        }
    } else {
        // Host names hold no '+': one after the host starts the port.
        std::size_t plus = rest.rfind('+');
        host = std::string(rest.substr(0, plus));
        if (plus != std::string_view::npos) {
            hasPort = true;
            portText = rest.substr(plus + 1);
        }
    }
    int port = 0;
    if (hasPort) {
        std::optional<int> number = PortNumber(portText, false);
        if (!number)
            return std::nullopt;
        port = *number;
    }
    return MakeOrigin(scheme, host, port);
}

std::optional<SiteOrigin> OriginOfWebappsstoreKey(std::string_view originKey)
{
    // The dot after the reversed host is what makes a prefix of the key name a domain and the
    // names below it; a key without it is not one Firefox wrote.
    std::size_t colon = originKey.find(':');
    if (colon == std::string_view::npos || colon == 0 || originKey[colon - 1] != '.')
        return std::nullopt;
    std::string host(originKey.substr(0, colon));
    std::reverse(host.begin(), host.end());
    std::string_view rest = originKey.substr(colon + 1);
    std::size_t portColon = rest.find(':');
    int port = 0;
    if (portColon != std::string_view::npos) {
        std::optional<int> number = PortNumber(rest.substr(portColon + 1), false);
        if (!number)
            return std::nullopt;
        port = *number;
    }
    return MakeOrigin(rest.substr(0, portColon), host, port);
}

LocalStorageKey ClassifyLocalStorageKey(std::string_view key)
{
    LocalStorageKey result;
    if (key == "VERSION") {
        result.Kind = LocalStorageKeyKind::Version;
        return result;
    }
    auto withOrigin = [&](LocalStorageKeyKind kind, std::string_view originText) {
        if (std::optional<SiteOrigin> origin = ParseSerialisedOrigin(originText)) {
            result.Kind = kind;
            result.Origin = std::move(*origin);
        }
        return result;
    };
    if (!key.empty() && key.front() == '_') {
        std::size_t nul = key.find('\0');
        if (nul == std::string_view::npos)
            return result;
        return withOrigin(LocalStorageKeyKind::SiteEntry, key.substr(1, nul - 1));
    }
    for (std::string_view prefix : {std::string_view("META:"), std::string_view("METAACCESS:")}) {
        if (key.substr(0, prefix.size()) == prefix)
            return withOrigin(LocalStorageKeyKind::SiteMetadata, key.substr(prefix.size()));
    }
    return result;
}

} // namespace aw
