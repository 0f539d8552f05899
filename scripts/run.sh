#!/usr/bin/env bash
# Sets up, builds and starts the reader on the default data.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
# Qt WebEngine refuses to start as root with its sandbox on; ordinary users keep the sandbox.
if [[ $(id -u) -eq 0 ]]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "${TILVANE_BUILD_DIR:-$root/build}/tilvane" "$@"
