#!/bin/sh
# Host-side preparation for the cleaner's safety tests, which Wine cannot do itself: it makes
# neither symbolic links nor drive letters. Acts only inside the private prefix of the test
# sandbox (the one scripts/test.sh creates and stamps).
#   setup:   drive Y: on a scratch folder of the prefix, a link to a folder inside a browser
#            cache, a folder that is itself a link, links to files (in the cache, in a
#            sub-folder of it, and in a plain folder, one of them named index.dat), and a link to
#            a folder and one to a file at the bottom of a folder of the cache whose Windows path
#            is over 300 characters long;
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
files=$prefix/drive_c/aw-file-links
deep=$cache/deep
for level in 1 2 3 4 5 6; do deep=$deep/level-$level-of-a-cache-tree-deeper-than-the-old-limit; done

case $action in
setup)
  mkdir -p "$scratch" "$target/sub" "$cache"
  echo keep > "$target/keep.txt"
  echo keep > "$target/sub/keep.txt"
  ln -sfn ../aw-cleaner-drive "$drive"
  ln -sfn "$target" "$inner"
  ln -sfn "$target" "$top"
  # Links to files: under Wine they look like plain files.
  mkdir -p "$cache/nested" "$files/sub"
  for f in keep-file keep-nested keep-top keep-index; do echo keep > "$target/$f.txt"; done
  ln -sfn "$target/keep-file.txt" "$cache/linked-file"
  ln -sfn "$target/keep-nested.txt" "$cache/nested/linked-file"
  ln -sfn "$target/keep-top.txt" "$files/link-at-top"
  ln -sfn "$target/keep-index.txt" "$files/sub/index.dat"
  mkdir -p "$deep"
  echo keep > "$target/keep-deep.txt"
  ln -sfn "$target" "$deep/linked-folder"
  ln -sfn "$target/keep-deep.txt" "$deep/linked-file"
  ;;
cleanup)
  rm -f "$drive" "$inner" "$top" "$cache/linked-file" "$cache/nested/linked-file"
  rm -rf "$scratch" "$target" "$files" "$cache/deep"
  rmdir "$cache/nested" 2>/dev/null || true
  ;;
*)
  echo "host_fixture: unknown action $action" >&2; exit 1 ;;
esac
