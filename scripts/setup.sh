#!/usr/bin/env bash
# Installs what is missing on a Debian 12 machine.
#   setup.sh run    what building and running the Linux program needs
#   setup.sh test   that, plus the Windows cross build, Wine, Xvfb and the test libraries
set -euo pipefail
mode=${1:-run}
sudo_=""
if [ "$(id -u)" -ne 0 ]; then sudo_=sudo; fi

run_packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev duktape-dev libcurl4-openssl-dev
  libx11-dev libxi-dev libxfixes-dev libxtst-dev fonts-noto-cjk ca-certificates)
test_packages=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 libgnutls30:i386
  xvfb xauth x11-utils openbox xclip googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcpp-httplib-dev locales qemu-user file)

packages=("${run_packages[@]}")
if [ "$mode" = test ]; then packages+=("${test_packages[@]}"); fi

if [ "$mode" = test ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_ dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  echo "setup: installing ${missing[*]}"
  $sudo_ apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = test ]; then
  # Wine maps file names through the Unix locale: without a generated zh_CN.UTF-8 it
  # cannot create a folder named 翻译, although the ANSI code page still reads 936.
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    $sudo_ localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
  "$(dirname "$0")/enable-i386.sh" || true
fi
