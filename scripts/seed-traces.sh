#!/usr/bin/env bash
# Seeds a private Wine prefix with sample browser traces, so that Scan has something to tick
# and Clean something to remove. Only ever called on the run command's own sandboxed prefix.
set -euo pipefail
prefix=${1:?usage: seed-traces.sh <private wine prefix>}
case "$prefix" in
  */build/run/wineprefix | */build/shots/wineprefix | */build/shots-preview/wineprefix) ;;
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

# Windows: recent documents.
mkdir -p "$roaming/Microsoft/Windows/Recent"
for name in report.docx holiday.jpg budget.xlsx; do sample "$roaming/Microsoft/Windows/Recent/$name.lnk" 1; done

touch "$prefix/.ashwarden-seeded"
