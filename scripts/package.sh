#!/usr/bin/env bash
# Builds the Debian package (build/tilvane_*.deb) and checks it: lintian on the package,
# desktop-file-validate and appstreamcli on the files it installs. Fails on any error.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TILVANE_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cd "$build_dir"
rm -f tilvane_*.deb
cpack -G DEB
deb=$(ls tilvane_*.deb)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
echo "== desktop-file-validate"
desktop-file-validate "$stage"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
echo "== lintian"
lintian --fail-on error "$deb"
echo "$build_dir/$deb: $(du -k "$deb" | cut -f1) KiB"
