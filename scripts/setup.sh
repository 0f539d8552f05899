#!/usr/bin/env bash
# Prepares a Debian 12 machine and builds Tilvane (Release) into build/, with its default data.
# Safe to run again: it installs only what is missing and rebuilds only what changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TILVANE_BUILD_DIR:-$root/build}

mapfile -t packages < <(grep -v -E '^\s*(#|$)' "$root/scripts/packages.txt")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
# Node.js may come from outside Debian's packages; only its absence matters.
if ! command -v npm >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi
if ((${#missing[@]})); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  else
    echo "Tilvane needs these Debian packages. Install them, then run this command again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

# The open data packages the default data is built from, pinned by the lock file.
if [[ -f "$root/data/package-lock.json" ]]; then
  stamp="$root/data/node_modules/.tilvane-lock"
  if ! cmp -s "$root/data/package-lock.json" "$stamp"; then
    (cd "$root/data" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$root/data/package-lock.json" "$stamp"
  fi
fi

if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release ${TILVANE_CMAKE_ARGS:-}
fi
cmake --build "$build_dir" --parallel "$(nproc)"
