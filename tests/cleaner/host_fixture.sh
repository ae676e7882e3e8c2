#!/bin/sh
# Host-side preparation for the cleaner's safety tests, which Wine cannot do itself: it makes
# neither symbolic links nor drive letters. Acts only inside the private prefix of the test
# sandbox (the one scripts/test.sh creates and stamps).
#   setup:   drive Y: on a scratch folder of the prefix, a link to a folder inside a browser
#            cache, and a folder that is itself a link;
#   cleanup: removes them again.
set -eu
action=${1:?setup or cleanup}
prefix=${WINEPREFIX:?WINEPREFIX must name the test prefix}
[ -f "$prefix/.ashwarden-ready" ] || { echo "host_fixture: $prefix is not the test prefix" >&2; exit 1; }

user=
for d in "$prefix"/drive_c/users/*/; do
  name=$(basename "$d")
  [ "$name" = Public ] || { user=$name; break; }
done
[ -n "$user" ] || { echo "host_fixture: no user folder in $prefix" >&2; exit 1; }

drive=$prefix/dosdevices/y:
scratch=$prefix/aw-cleaner-drive
target=$prefix/drive_c/aw-link-target
cache="$prefix/drive_c/users/$user/AppData/Local/Comodo/Dragon/User Data/Default/Cache"
inner=$cache/linked-folder
top=$prefix/drive_c/aw-link-top

case $action in
setup)
  mkdir -p "$scratch" "$target/sub" "$cache"
  echo keep > "$target/keep.txt"
  echo keep > "$target/sub/keep.txt"
  ln -sfn ../aw-cleaner-drive "$drive"
  ln -sfn "$target" "$inner"
  ln -sfn "$target" "$top"
  ;;
cleanup)
  rm -f "$drive" "$inner" "$top"
  rm -rf "$scratch" "$target"
  ;;
*)
  echo "host_fixture: unknown action $action" >&2; exit 1 ;;
esac
