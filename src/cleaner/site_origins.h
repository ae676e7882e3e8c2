#pragma once
// Whose data a piece of a browser's site storage is: the origin behind a per-site folder's name,
// a database key or a row, in the forms Chromium and Firefox write them. Everything here is
// written by a browser, and read as untrusted text: a form not recognised gives no origin, and
// the caller decides what an unknown owner means (never that a kept site's data goes).
#include <optional>
#include <string>
#include <string_view>

namespace aw {

struct SiteOrigin {
    std::string Scheme; // lower case: "https"
    std::string Host;   // canonical (CanonicalHost); empty for an origin without one ("file://")
    int Port = 0;       // 0 when the origin names none (its scheme's default)
};

// A serialised origin: "https://mail.example.com", "http://127.0.0.1:8417", "http://[::1]:8080".
// A single trailing "/" (Service Worker and Cache Storage write one) and a partitioned storage
// key's top-level site after "^" ("https://a.example/^0https://b.example") belong to the same
// origin. A path, a user name, an empty or out-of-range port, or characters no host holds give
// none.
std::optional<SiteOrigin> ParseSerialisedOrigin(std::string_view text);

// Chromium's origin identifier, "scheme_host_port" with port 0 for the scheme's default
// ("https_mail.example.com_0", "file__0"), the name of its per-origin folders.
std::optional<SiteOrigin> OriginOfChromiumIdentifier(std::string_view identifier);

// A folder of Chromium's "IndexedDB": the identifier followed by ".indexeddb.leveldb" (the
// database) or ".indexeddb.blob" (its large values).
std::optional<SiteOrigin> OriginOfChromiumIndexedDbFolder(std::string_view folderName);

// A key of the database in Chromium's "File System\Origins", which names each origin's folder:
// "ORIGIN:" followed by the identifier.
std::optional<SiteOrigin> OriginOfFileSystemOriginsKey(std::string_view key);

// A key of Chromium's "Service Worker\Database" that records a site's registration:
// "INITDATA_UNIQUE_ORIGIN:<origin>/" and "REG:<origin>/" followed by a NUL and the
// registration's number. The database and the script cache beside it hold every site together.
std::optional<SiteOrigin> OriginOfServiceWorkerKey(std::string_view key);

// The origin a folder of Chromium's "Service Worker\CacheStorage" belongs to, read from the
// folder's "index.txt": a protobuf message whose fields 2 and 3 hold the origin and the storage
// key. (The folder's name is the SHA-1 of the origin's identifier.)
std::optional<SiteOrigin> OriginOfCacheStorageIndex(std::string_view indexBytes);

// A folder of Firefox's "storage\default" (also "permanent", "temporary" and "private"): the
// origin with ':' and '/' written as '+' ("https+++mail.example.com", "http+++127.0.0.1+8417",
// "http+++[++1]+8080"), its attributes after a '^' ("^userContextId=1", "^partitionKey=...").
// The attributes do not change whose data it is: a container's or a partitioned copy of a kept
// site's storage is that site's.
std::optional<SiteOrigin> OriginOfFirefoxStorageFolder(std::string_view folderName);

// An "originKey" of Firefox's webappsstore.sqlite: the host reversed with a dot after it, ':',
// the scheme and ':' port ("moc.elpmaxe.liam.:https:443").
std::optional<SiteOrigin> OriginOfWebappsstoreKey(std::string_view originKey);

// Keys of Chromium's "Local Storage\leveldb", where every site's entries lie in one database.
enum class LocalStorageKeyKind {
    SiteEntry,    // "_" origin NUL, then the entry's own key
    SiteMetadata, // "META:" origin and "METAACCESS:" origin: the site's size and dates
    Version,      // "VERSION": the database's own
    Unknown,      // any other key, or a site key whose origin is not understood
};
struct LocalStorageKey {
    LocalStorageKeyKind Kind = LocalStorageKeyKind::Unknown;
    SiteOrigin Origin; // for SiteEntry and SiteMetadata
};
LocalStorageKey ClassifyLocalStorageKey(std::string_view key);

} // namespace aw
