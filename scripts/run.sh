#!/usr/bin/env bash
# Installs what is missing, builds the Linux program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" run
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)" --target talvo
exec "$root/build/linux/src/platform/linux/talvo" "$@"
