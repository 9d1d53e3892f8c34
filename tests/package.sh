#!/bin/sh
# Builds the .deb, passes it through lintian (no error, no warning), installs
# it into a scratch root with dpkg, and runs the installed program on a
# transcript. Usage: package.sh BUILD_DIR NAME.in NAME.out
build=$1 in=$2 expected=$3
root=$(mktemp -d) || exit 1
trap 'rm -rf "$root"' EXIT
cd "$build" && cpack -G DEB >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
deb=$(ls -t "$build"/rezonans_*.deb | head -1)
dpkg-deb --info "$deb" | grep -E 'Package|Version|Depends' || exit 1
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
  -e /usr/share/man/man1/rezonans.1.gz -e '/usr/share/doc/rezonans/c.*')
echo "$installed"
[ "$(echo "$installed" | wc -l)" = 4 ] || exit 1
zcat "$root/usr/share/man/man1/rezonans.1.gz" | groff -k -t -man -Tutf8 -ww -z || exit 1
sh "$(dirname "$0")/transcript.sh" "$in" "$expected" "$root/usr/bin/rezonans"
