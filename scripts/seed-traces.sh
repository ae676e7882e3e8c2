#!/usr/bin/env bash
# Seeds a private Wine prefix with sample browser traces, so that Scan has something to tick
# and Clean something to remove. Only ever called on the run command's own sandboxed prefix.
set -euo pipefail
prefix=${1:?usage: seed-traces.sh <private wine prefix>}
case "$prefix" in
  */build/run/wineprefix | */build/shots/wineprefix | */build/shots-preview/wineprefix | */build/bench-traces/wineprefix) ;;
  *) echo "seed-traces: refusing to seed $prefix (only the run and screenshot sandboxes)" >&2; exit 1 ;;
esac
[ -f "$prefix/.ashwarden-seeded" ] && exit 0

user=$(ls "$prefix/drive_c/users" | grep -v -x Public | head -n1)
home="$prefix/drive_c/users/$user"
local="$home/AppData/Local"
roaming="$home/AppData/Roaming"

sample() { # sample <file> <size in KB>
  mkdir -p "$(dirname "$1")"
  head -c "$(( $2 * 1024 ))" /dev/urandom > "$1"
}

# Google Chrome: cache files, cookies, history, the last session.
chrome="$local/Google/Chrome/User Data/Default"
for i in $(seq 1 12); do sample "$chrome/Cache/f_$(printf %06x "$i")" $(( i * 7 )); done
sample "$chrome/Cookies" 24
sample "$chrome/History" 96
sample "$chrome/Current Session" 12

# Mozilla Firefox: one profile with cookies, form history and a disk cache.
ff="$roaming/Mozilla/Firefox"
mkdir -p "$ff/Profiles/sample.default"
printf '[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/sample.default\r\n' > "$ff/profiles.ini"
sample "$ff/Profiles/sample.default/cookies.sqlite" 32
sample "$ff/Profiles/sample.default/formhistory.sqlite" 16
for i in $(seq 1 8); do sample "$local/Mozilla/Firefox/Profiles/sample.default/Cache/entry$i" 20; done

# Opera: a cache tree.
for i in $(seq 1 6); do sample "$local/Opera/Opera/cache/g_000$i/opr$i.tmp" 10; done

# Today's Chromium family: a profile with a cache, cookies and history under each user-data folder.
chromium() { # chromium <user-data folder>
  sample "$1/Default/Preferences" 2
  for i in $(seq 1 4); do sample "$1/Default/Cache/Cache_Data/f_$(printf %06x "$i")" $(( i * 5 )); done
  sample "$1/Default/Network/Cookies" 20
  sample "$1/Default/History" 64
}
chromium "$local/BraveSoftware/Brave-Browser/User Data"
chromium "$local/Microsoft/Edge/User Data"
chromium "$local/Vivaldi/User Data"
chromium "$local/Yandex/YandexBrowser/User Data"
# Opera GX: its data root is its profile, its caches lie below the local folder.
gx="Opera Software/Opera GX Stable"
sample "$roaming/$gx/Preferences" 2
sample "$roaming/$gx/Network/Cookies" 20
for i in 1 2 3; do sample "$local/$gx/Cache/Cache_Data/f_00000$i" 12; done

# Today's Firefox family: a profile listed in profiles.ini, its cache below the local folder.
mozilla() { # mozilla <root below both application-data folders>
  mkdir -p "$roaming/$1/Profiles/sample.default"
  printf '[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/sample.default\r\nDefault=1\r\n' > "$roaming/$1/profiles.ini"
  sample "$roaming/$1/Profiles/sample.default/cookies.sqlite" 32
  sample "$roaming/$1/Profiles/sample.default/places.sqlite" 64
  for i in 1 2 3; do sample "$local/$1/Profiles/sample.default/cache2/entries/E$i" 16; done
}
for root in Floorp librewolf Thunderbird Waterfox; do mozilla "$root"; done

# Windows: recent documents, jump lists beside the Quick Access pins, Explorer's caches.
recent="$roaming/Microsoft/Windows/Recent"
mkdir -p "$recent"
for name in report.docx holiday.jpg budget.xlsx; do sample "$recent/$name.lnk" 1; done
sample "$recent/AutomaticDestinations/f01b4d95cf55d32a.automaticDestinations-ms" 4
sample "$recent/AutomaticDestinations/5f7b5f1e01b83767.automaticDestinations-ms" 8
sample "$recent/CustomDestinations/9b9cdc69c1c24e2b.customDestinations-ms" 6
for size in 32 96 256; do sample "$local/Microsoft/Windows/Explorer/thumbcache_$size.db" $size; done
sample "$local/Microsoft/Windows/Explorer/iconcache_32.db" 24

touch "$prefix/.ashwarden-seeded"
