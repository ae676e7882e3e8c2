#pragma once
// The sites whose cookies and site data a Clean keeps, and Keep.ini, the file beside the
// program that holds them.
//
// Keep.ini is a text file of its own, not a section of Settings.ini: it is read and written
// whole (a list of a thousand sites costs one write, not one rewrite of the file per site), and
// a damaged or hostile list can never stop the options from loading. Its form:
//
//     ; comment
//     [Sites]
//     example.org
//     mail.example.com
//
// one site a line, in the canonical form of NormaliseSiteDomain. Lines before any section
// header are sites too, so a plain list of names is a keep list. Reading is lenient with what a
// user types (a scheme, a port, a path, upper case, an internationalised name, a UTF-8 or UTF-16
// byte-order mark) and writes only the canonical ASCII form.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace aw {

// The most sites a list holds, and the largest Keep.ini read. A real list names a few sites;
// these bound what a hostile file can cost (the cookie statements bind one parameter per site).
constexpr std::size_t kMaxKeptSites = 1000;
constexpr std::size_t kMaxKeepListBytes = 1024 * 1024;

class KeepList {
public:
    enum class AddResult { Added, AlreadyKept, NotASite, ListFull };

    // A typed or stored site, normalised (NormaliseSiteDomain).
    AddResult Add(std::string_view site);
    // Removes a site given in any form NormaliseSiteDomain takes; false when it was not kept.
    bool Remove(std::string_view site);

    bool empty() const { return domains_.empty(); }
    std::size_t size() const { return domains_.size(); }
    // Canonical, sorted, each once.
    const std::vector<std::string>& Domains() const { return domains_; }

    // The data of an origin with this host (as a browser stores it) stays: the host is a kept
    // domain or lies below one.
    bool KeepsHost(std::string_view host) const;

    // A cookie with this host stays: Chromium's host_key or Firefox's host, where a leading dot
    // marks a domain cookie. Besides the cookies of the kept domains and the names below them,
    // a domain cookie of a name above a kept domain stays too (".example.com" when
    // "mail.example.com" is kept): the browser sends it to the kept site, and signing in often
    // lives in it.
    bool KeepsCookieHost(std::string_view cookieHost) const;

private:
    std::vector<std::string> domains_;
};

enum class KeepListState {
    // Every site the file names is in the list; lines that name no site were ignored.
    Read,
    // Larger than kMaxKeepListBytes, more than kMaxKeptSites sites, or no text (a NUL byte
    // outside UTF-16, or lines that were all ignored). The list is empty: a Clean must then keep
    // every cookie and all site data rather than decide by part of what the user asked to keep.
    Unusable,
};

struct KeepListReading {
    KeepList List;
    KeepListState State = KeepListState::Read;
    // Lines that are neither blank, nor a comment, nor a section header, nor a site; also the
    // lines of sections other than [Sites].
    std::size_t IgnoredLines = 0;
};

// Reads the bytes of a Keep.ini. An empty text is an empty list.
KeepListReading ReadKeepList(std::string_view fileBytes);

// The text of a Keep.ini that holds the list: a comment, "[Sites]" and the sites, lines ended by
// CR LF.
std::string KeepListFileText(const KeepList& list);

} // namespace aw
