#pragma once
// The names of the sites a user keeps: what a typed or stored site name becomes, and which
// hosts a kept name covers. No file system access here.
//
// A site is kept by its domain name in canonical ASCII form: lower case, no scheme, port, path,
// user name or trailing dot, internationalised labels in their punycode ("xn--") form. An IPv4
// address is kept as its dotted-decimal text, an IPv6 address without its brackets.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace aw {

// DNS limits: a label of at most 63 characters, a name of at most 253.
constexpr std::size_t kMaxDomainLabelLength = 63;
constexpr std::size_t kMaxDomainLength = 253;
// The longest text taken for a site (an address pasted with its path); a longer one is refused
// unread.
constexpr std::size_t kMaxSiteTextLength = 2048;

// The canonical domain of what a user types or a keep list holds: "mail.example.com",
// "https://Mail.Example.com:443/inbox", ".example.com", "*.example.com" and "example.com."
// all become "example.com" or "mail.example.com". Blanks around the text, a scheme, a user
// name, a port, a path, a query and a fragment are stripped, as are a leading "*." and leading
// and trailing dots. Internationalised names (UTF-8) are converted label by label to punycode.
// Refused (nullopt): an empty name, characters no host name holds, an empty label, a label or
// name over the DNS limits, a text over kMaxSiteTextLength, a name ending in a number that is
// not a whole IPv4 address ("0.1", "1.2.3.256"), and text that is not UTF-8.
//
// Internationalised names: letters of the Latin, Greek, Cyrillic and Armenian scripts are
// lower-cased, the ideographic and full-width full stops and the full-width ASCII letters and
// digits become ASCII. Not done: Unicode normalisation (a name typed in decomposed form, "e"
// followed by a combining accent, encodes differently from the composed one browsers use), the
// case of other scripts, the IDNA tables of disallowed and mapped code points, and the bidi and
// joiner rules. A name a browser would write otherwise matches no host: it keeps nothing.
std::optional<std::string> NormaliseSiteDomain(std::string_view text);

// The canonical host of a host as a browser stores it (a cookie's host, an origin's host):
// ASCII letters lower-cased, leading and trailing dots and the brackets of an IPv6 address
// removed. Nothing else is changed, so a stored host that is no domain stays unlike every
// kept domain.
std::string CanonicalHost(std::string_view host);

// The sub-domain rule: a kept domain covers itself and every name below it. "example.org"
// covers "example.org" and "www.example.org", never "badexample.org" or "example.org.evil".
// Both are canonical (NormaliseSiteDomain, CanonicalHost).
bool DomainCovers(std::string_view keptDomain, std::string_view canonicalHost);

// The ASCII form of one internationalised label (UTF-8, already lower case): the label itself
// when it is ASCII, otherwise "xn--" followed by its RFC 3492 punycode encoding. Nullopt when
// the label is not UTF-8 or its encoding is longer than a label may be.
std::optional<std::string> LabelToAscii(std::string_view utf8Label);

// A URL scheme: a letter, then letters, digits, '+', '-' or '.'.
bool IsUrlScheme(std::string_view text);

// RFC 3492 punycode encoding of a sequence of code points (without the "xn--" prefix). Nullopt
// when a code point is no Unicode scalar value.
std::optional<std::string> PunycodeEncode(std::u32string_view codePoints);

} // namespace aw
