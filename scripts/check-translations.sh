#!/usr/bin/env bash
# Checks that the host's catalogues are complete: lupdate, run on copies of
# translations/loomwork_*.ts over the sources they cover, finds no text that
# is new or unfinished. Run from anywhere; exits non-zero with the list.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/loomwork_de.ts translations/loomwork_en.ts "$work/"
lupdate -no-obsolete -locations none -I src src/items src/widgets src/description host \
  -ts "$work/loomwork_de.ts" "$work/loomwork_en.ts" > "$work/lupdate.log" 2>&1
status=0
for ts in "$work"/loomwork_*.ts; do
  if grep -q 'type="unfinished"' "$ts"; then
    echo "$(basename "$ts"): unfinished texts:" >&2
    grep -B1 'type="unfinished"' "$ts" | grep '<source>' >&2 || true
    status=1
  fi
done
if grep -E "\(([1-9][0-9]*) new" "$work/lupdate.log" >&2; then
  status=1
fi
exit $status
