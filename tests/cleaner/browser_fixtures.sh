#!/bin/sh
# Unpacks the browser fixtures (profiles written by real browsers, tests/fixtures) into a
# staging folder of the test sandbox's private prefix, from which the tests copy them into the
# user's folders; cleanup removes it. Acts only inside the stamped test prefix.
set -eu
action=${1:?setup or cleanup}
archive=${2:?the fixture archive}
prefix=${WINEPREFIX:?WINEPREFIX must name the test prefix}
[ -f "$prefix/.ashwarden-ready" ] || { echo "browser_fixtures: $prefix is not the test prefix" >&2; exit 1; }
stage=$prefix/drive_c/aw-browser-fixtures
case $action in
setup)
  rm -rf "$stage"; mkdir -p "$stage"
  xz -dc "$archive" | tar -C "$stage" -xf -
  rm -f "$prefix/drive_c/aw-browser-coverage.tsv"
  ;;
cleanup)
  rm -rf "$stage"
  ;;
*) echo "browser_fixtures: unknown action $action" >&2; exit 1 ;;
esac
