#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and runs the packaged CLI
# on the simulated board from there.
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb="$(ls "$scratch"/out/vn4820-tester_*.deb)"
info="$(dpkg-deb --info "$deb")"
grep -q "Depends:.*libhidapi" <<<"$info" || { echo "no dependency on hidapi declared"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/bin/vn4820-cli usr/lib/udev/rules.d/70-vn4820-board.rules usr/share/applications/vn4820-tester.desktop; do
  test -e "$scratch/root/$f" || { echo "missing $f"; exit 1; }
done
cd "$scratch"
output="$("$scratch/root/usr/bin/vn4820-cli" --simulate --workdir "$scratch" --sample-dir "$scratch/samples" test)"
[ "$(tail -n 1 <<<"$output")" = "verdict: PASS" ] || { echo "$output"; exit 1; }
echo "package installs and runs: $(basename "$deb")"
