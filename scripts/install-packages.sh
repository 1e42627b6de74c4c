#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed
# yet: with apt-get as root, through sudo otherwise. Without root and without
# sudo it lists the missing packages and fails, since nothing can be built
# without them. With --no-install-recommends first, the packages they merely
# recommend are left out.
set -euo pipefail
apt_options=()
if [ "${1:-}" = --no-install-recommends ]; then
  apt_options=("$1")
  shift
fi

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "install-packages: this is not a Debian system; make sure these (or their" >&2
  echo "equivalents) are installed: $*" >&2
  exit 0
fi

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" = 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
else
  {
    echo "These Debian packages are missing: ${missing[*]}"
    echo "Installing them needs root, and sudo is not available. As root, run:"
    echo "    apt-get update && apt-get install ${missing[*]}"
    echo "then run make again."
  } >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
if ! { "${as_root[@]}" apt-get update -q && "${as_root[@]}" apt-get install -y -q "${apt_options[@]}" "${missing[@]}"; }; then
  echo "install-packages: could not install: ${missing[*]}" >&2
  exit 1
fi
