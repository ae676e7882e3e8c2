// Feeds arbitrary bytes through the keep list's reader, the site-name rules, every parser of the
// origins of browsers' site storage and the readers of older browsers' cookie files. Beyond
// memory errors it checks what the cleaning relies on: a list that is not usable keeps nothing
// and decides nothing, every kept name is canonical and survives being written and read again,
// an origin's host is canonical, and a cookie file not read whole is never one that goes.
#include "cleaner/ie_cookie_file.h"
#include "cleaner/keep_list.h"
#include "cleaner/site_domain.h"
#include "cleaner/site_origins.h"
#include "cleaner/site_stores.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsCanonicalAscii(const std::string& name)
{
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_' || c == ':'))
            return false;
    return !name.empty() && name.size() <= aw::kMaxDomainLength;
}

void CheckOrigin(const std::optional<aw::SiteOrigin>& origin)
{
    if (!origin)
        return;
    Check(aw::CanonicalHost(origin->Host) == origin->Host);
    Check(origin->Port >= 0 && origin->Port <= 65535);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const aw::KeepListReading reading = aw::ReadKeepList(text);
    if (reading.State == aw::KeepListState::Unusable)
        Check(reading.List.empty());
    Check(reading.List.size() <= aw::kMaxKeptSites);
    for (const std::string& domain : reading.List.Domains()) {
        Check(IsCanonicalAscii(domain));
        Check(aw::NormaliseSiteDomain(domain) == domain);
        Check(reading.List.KeepsHost(domain) && reading.List.KeepsCookieHost("." + domain));
    }
    const aw::KeepListReading again = aw::ReadKeepList(aw::KeepListFileText(reading.List));
    Check(again.State == aw::KeepListState::Read && again.IgnoredLines == 0);
    Check(again.List.Domains() == reading.List.Domains());

    if (std::optional<std::string> domain = aw::NormaliseSiteDomain(text)) {
        Check(IsCanonicalAscii(*domain));
        Check(aw::NormaliseSiteDomain(*domain) == domain);
    }
    const std::size_t half = size / 2;
    const std::string host = aw::CanonicalHost(text.substr(half));
    const std::string kept = aw::CanonicalHost(text.substr(0, half));
    if (aw::DomainCovers(kept, host))
        Check(host.size() >= kept.size() && host.compare(host.size() - kept.size(), kept.size(), kept) == 0);

    CheckOrigin(aw::ParseSerialisedOrigin(text));
    CheckOrigin(aw::OriginOfChromiumIdentifier(text));
    CheckOrigin(aw::OriginOfChromiumIndexedDbFolder(text));
    CheckOrigin(aw::OriginOfFileSystemOriginsKey(text));
    CheckOrigin(aw::OriginOfServiceWorkerKey(text));
    CheckOrigin(aw::OriginOfCacheStorageIndex(text));
    CheckOrigin(aw::OriginOfFirefoxStorageFolder(text));
    CheckOrigin(aw::OriginOfWebappsstoreKey(text));
    const aw::LocalStorageKey key = aw::ClassifyLocalStorageKey(text);
    if (key.Kind == aw::LocalStorageKeyKind::SiteEntry || key.Kind == aw::LocalStorageKeyKind::SiteMetadata)
        CheckOrigin(key.Origin);

    // Internet Explorer's cookie files: a file read whole names a host in every record, and a
    // file not read whole stays, whatever the list.
    const aw::IeCookieFile cookies = aw::ParseIeCookieFile(text);
    Check(!cookies.Whole || !cookies.Hosts.empty());
    for (const std::string& cookieHost : cookies.Hosts)
        Check(!cookieHost.empty() && cookieHost.find('/') == std::string::npos);
    if (!cookies.Whole)
        Check(aw::KeepsIeCookieFile(text, aw::KeepList()));
    const aw::IeCookieFile netscape = aw::ParseNetscapeCookieFile(text);
    Check(!netscape.Whole || !netscape.Hosts.empty());
    if (!netscape.Whole)
        Check(aw::KeepsNetscapeCookieFile(text, aw::KeepList()));
    return 0;
}
