#!/bin/sh
# Builds the .deb and again, from the same build, to prove the packing
# reproducible; passes it through lintian (no error, no warning), installs it
# into a scratch root with dpkg, checks that the program holds no path of the
# build, and runs the installed program on a transcript.
# Usage: package.sh BUILD_DIR NAME.in NAME.out
build=$1 in=$2 expected=$3
source=$(cd "$(dirname "$0")/.." && pwd)
root=$(mktemp -d) && again=$(mktemp -d) || exit 1
trap 'rm -rf "$root" "$again"' EXIT
cd "$build" && cpack -G DEB >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
deb=$(ls -t "$build"/rezonans_*.deb | head -1)
# The second packing comes a second later, from files dated as a new build
# dates them, into another folder: the same bytes.
sleep 1
touch "$build/rezonans" "$build"/doc/* "$build/web/rezonans.html"
cpack -G DEB -B "$again" >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
cmp "$deb" "$again/$(basename "$deb")" || { echo "packed twice, two different .debs"; exit 1; }
dpkg-deb --info "$deb" | grep -E 'Package|Version|Depends|Recommends' || exit 1
lintian --fail-on error,warning "$deb" >"$root/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges' "$root/lintian.log"
[ $status -eq 0 ] || { echo "lintian: status $status"; exit 1; }
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The scratch root has no libc of its own to satisfy the dependencies.
dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" \
  >"$root/dpkg.log" 2>&1 || { cat "$root/dpkg.log"; exit 1; }
installed=$(dpkg --root="$root" -L rezonans | grep -x -e /usr/bin/rezonans \
  -e /usr/share/man/man1/rezonans.1.gz -e '/usr/share/doc/rezonans/c.*' \
  -e /usr/share/bash-completion/completions/rezonans -e /usr/share/rezonans/rezonans.html)
echo "$installed"
[ "$(echo "$installed" | wc -l)" = 6 ] || exit 1
strings -a "$root/usr/bin/rezonans" | grep -F -e "$source" -e "$build" &&
  { echo "the program holds a path of its build"; exit 1; }
zcat "$root/usr/share/man/man1/rezonans.1.gz" | groff -k -t -man -Tutf8 -ww -z || exit 1
sh "$(dirname "$0")/transcript.sh" "$in" "$expected" "$root/usr/bin/rezonans"
