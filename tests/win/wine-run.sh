#!/bin/sh
# Runs a Windows test program under Wine: one shared prefix per build tree, quiet output,
# and a Chinese locale so that the ANSI code page is 936 (GBK), as on a Chinese Windows.
# Usage: wine-run.sh LOADER PROGRAM [ARGS...]
loader=$1
shift
: "${TALVO_WINEPREFIX:=$(cd "$(dirname "$0")/../.." && pwd)/build/wineprefix}"
export WINEPREFIX="$TALVO_WINEPREFIX"
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# No Mono/Gecko install prompts and no desktop menu entries in a test prefix.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
case "$loader" in
  *wine64) export WINELOADER="$loader" ;;
esac
exec "$loader" "$@"
