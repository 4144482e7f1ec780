#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, installs it on
# this machine, starts the installed program in a private X server, closes
# it with Esc (expecting status 0) and removes the package again.
set -euo pipefail

build_dir="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/lib/xvfb.sh"

package_dir="$(mktemp -d)"
(cd "$build_dir" && cpack -G DEB -B "$package_dir" >/dev/null)
package="$(ls "$package_dir"/quendal_*.deb)"
echo "built $(basename "$package")"
dpkg-deb --field "$package" Package Version Depends

remove_package() { apt-get remove -y -q quendal >/dev/null 2>&1 || true; }
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -q "$package" >/dev/null
trap remove_package EXIT
for installed in /usr/bin/quendal /usr/share/applications/io.github.quendal.Quendal.desktop \
                 /usr/share/metainfo/io.github.quendal.Quendal.metainfo.xml \
                 /usr/share/icons/hicolor/32x32/apps/quendal.png \
                 /usr/share/icons/hicolor/scalable/apps/quendal.svg; do
    [[ -f "$installed" ]] || { echo "missing after install: $installed"; exit 1; }
done

start_private_xvfb
trap 'kill "$QUENDAL_XVFB_PID" 2>/dev/null || true; remove_package' EXIT
/usr/bin/quendal &
app=$!
if ! window="$(wait_for_window "Quendal1.0-By:Qorv kelm31")"; then
    echo "the installed program opened no window"
    kill "$app" 2>/dev/null || true
    exit 1
fi
status=0
close_with_escape "$window" "$app" || status=$?
echo "installed program ended with status $status"
[[ "$status" == 0 ]]
