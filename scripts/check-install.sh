#!/usr/bin/env bash
# Checks the installed tree as an integrator meets it: installs the build into
# a temporary prefix and moves that prefix elsewhere, then
#  - no installed file names the source or build tree, and every binary finds
#    the project's libraries through $ORIGIN-relative search paths only;
#  - every class in an installed header is exported or wholly inline;
#  - an outside CMake project finds the package (find_package), compiles each
#    installed header on its own and loads the plugin from a program that
#    links only Qt Core; the SDK example examples/minimal-host builds;
#  - the moved programs run: the simulator, the command-line client and the
#    example against it, the seal tool, and the host offscreen.
#   scripts/check-install.sh [BUILD_DIR]    (default build/, built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  bash scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" >/dev/null
build_dir=$(cd "$build" && pwd)

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok:   $*"; }

cmake --install "$build" --prefix "$work/staged" >/dev/null
mv "$work/staged" "$work/prefix"
prefix=$work/prefix
unset LD_LIBRARY_PATH

# 1. Nothing refers back to the trees the package was built from.
if hits=$(grep -rlF -e "$source_dir" -e "$build_dir" "$prefix"); then
  fail "installed files name the source or build tree: $hits"
else
  ok "no installed file names $source_dir or $build_dir"
fi

# 2. Relative search paths only, and every library found inside the prefix.
while IFS= read -r file; do
  file -b "$file" | grep -q '^ELF' || continue
  name=${file#"$prefix"/}
  paths=$(readelf -d "$file" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p' | tr ':' '\n' | sed '/^$/d')
  while IFS= read -r path; do
    [ -z "$path" ] || [[ $path == '$ORIGIN'* ]] || fail "$name searches $path"
  done <<<"$paths"
  if ldd "$file" | grep -q 'not found'; then
    fail "$name: $(ldd "$file" | grep 'not found' | tr -s ' \t' ' ')"
  fi
  while read -r lib _ resolved _; do
    [[ $resolved == "$prefix"/* ]] || fail "$name loads $lib from $resolved"
  done < <(ldd "$file" | grep 'libloomwork')
done < <(find "$prefix" -type f)
ok "search paths and libraries of every installed binary"

# 3. Classes in installed headers: exported, or with every function inline.
unexported=$(awk '
  /^(class|struct) [A-Za-z_]+( *:.*)?$/ && !/_EXPORT/ { inside = 1; name = $2; next }
  inside && /^};/ { inside = 0 }
  inside && /\) *(const)? *(override)? *;$/ && !/[{]/ && !/^[^(]*=/ && !/= *(0|default|delete) *;$/ \
    && !/^ *(Q_|typedef|using)/ { print FILENAME ": " name ":" $0 }' $(find "$prefix/include" -name '*.h'))
if [ -n "$unexported" ]; then
  fail "installed headers declare code that no library exports:"$'\n'"$unexported"
else
  ok "installed headers declare only exported or inline code"
fi

# 4. An outside project against the moved prefix.
cmake -S tests/install -B "$work/check" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/check" >/dev/null && ok "installed headers compile on their own"
if "$work/check/plugincheck"; then ok "plugin loads into a Qt Core program"; else fail "plugin check"; fi
cmake -S examples/minimal-host -B "$work/example" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/example" >/dev/null && ok "examples/minimal-host builds"

# 5. The moved programs at work.
"$prefix/bin/loomwork-seal" check "$prefix/share/loomwork/pv8120.xml" >/dev/null \
  && ok "installed description is sealed" || fail "loomwork-seal check of the installed description"
"$prefix/bin/pv8120-sim" --port 0 >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q '^listening on' "$work/sim.out" && break; sleep 0.1; done
port=$(sed -n 's/^listening on .*:\([0-9]*\)$/\1/p' "$work/sim.out" | head -1)
[ -n "$port" ] || { cat "$work/sim.out"; fail "simulator did not start"; exit 1; }
"$prefix/bin/loomwork-cli" --tcp "127.0.0.1:$port" read >"$work/read.out" \
  && grep -q '^Einheit ' "$work/read.out" && ok "loomwork-cli reads the simulator" || fail "loomwork-cli read"
"$work/example/minimal-host" 127.0.0.1 "$port" Einheit kPa >"$work/example.out" \
  && grep -q '^Einheit kPa' "$work/example.out" && ok "minimal-host writes and reads the simulator" \
  || fail "minimal-host: $(head -3 "$work/example.out")"
QT_QPA_PLATFORM=offscreen "$prefix/bin/loomwork-host" --quit-after 4000 --screenshot "$work/host.png" \
  >"$work/host.out" 2>&1 && [ -s "$work/host.png" ] && ok "loomwork-host runs offscreen" \
  || fail "loomwork-host: $(tail -3 "$work/host.out")"

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed"
  exit 1
fi
echo "installed tree checked"
