#!/usr/bin/env bash
# Builds the Debian package with `cpack -G DEB` in build-deb/ (installed under
# /usr, with Debian's hardening flags), checks it with lintian (no errors
# allowed) and the desktop and AppStream validators, then unpacks it into a
# fresh directory and runs its programs from there.
#   scripts/package.sh             writes build-deb/loomwork_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --packaging

build=build-deb
# Debian's compiler and linker flags with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" \
  -DLOOMWORK_BUILD_TESTS=OFF -DLOOMWORK_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/loomwork_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/loomwork_*.deb)
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Recommends\|Installed-Size\):/  \1:/p'

echo "lintian:"
lintian --fail-on error --tag-display-limit 0 "$deb" 2>/dev/null | sed 's/^/  /'
work=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$work"/root/usr/share/metainfo/*.metainfo.xml | sed 's/^/  /'

# The unpacked programs run from wherever they are.
usr=$work/root/usr
"$usr/bin/loomwork-seal" check "$usr/share/loomwork/pv8120.xml"
"$usr/bin/pv8120-sim" --port 0 >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q '^listening on' "$work/sim.out" && break; sleep 0.1; done
port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/sim.out" | head -1)
"$usr/bin/loomwork-cli" --tcp "127.0.0.1:$port" read | head -3
QT_QPA_PLATFORM=offscreen "$usr/bin/loomwork-host" --quit-after 4000 --screenshot "$work/host.png" >/dev/null 2>&1
[ -s "$work/host.png" ] && echo "loomwork-host ran from $usr/bin"
echo "package checked: $deb"
