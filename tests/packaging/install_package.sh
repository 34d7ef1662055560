#!/bin/sh
# Builds the Debian package from a build folder, unpacks it into a temporary root and runs the
# installed programs from there: each answers --version, and rusk-cli finds the Access helper in
# libexecdir; in a hardened build ("hardened" as the third argument) the helper carries the
# hardening. Skipped (77) without dpkg-deb and dpkg-shlibdeps.
set -u
build=$1
mdb=$2
hardening=${3:-plain}
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb) || fail "no package"
# Found by dpkg-shlibdeps, and the SQLite plugin named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6serialport6 libqt6widgets6 libmdb3 libqt6sql6-sqlite; do
  case $depends in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done
dpkg-deb -x "$deb" "$work/root"
root=$work/root

for program in rusk rusk-cli rusk-server rusk-sim; do
  out=$(env -u LD_LIBRARY_PATH "$root/usr/bin/$program" --version) || fail "$program --version"
  [ "$out" = "$program 1.0" ] || fail "$program --version said: $out"
done
"$root/usr/libexec/rusk/rusk-mdb-dump" --version >/dev/null || fail "rusk-mdb-dump --version"
# The helper parses files from anywhere: immediate binding, read-only relocations, stack protector.
helper=$root/usr/libexec/rusk/rusk-mdb-dump
if [ "$hardening" = hardened ] && command -v readelf >/dev/null; then
  readelf -d "$helper" | grep -q BIND_NOW || fail "rusk-mdb-dump: no BIND_NOW"
  readelf -lW "$helper" | grep -q GNU_RELRO || fail "rusk-mdb-dump: no RELRO"
  readelf -sW --dyn-syms "$helper" | grep -q __stack_chk_fail || fail "rusk-mdb-dump: no stack protector"
fi
for page in rusk rusk-cli rusk-server rusk-sim; do
  [ -f "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page for $page"
done
[ -f "$root/usr/lib/systemd/system/rusk-server.service" ] || fail "no rusk-server.service"

# Comparing an Access file with itself starts the helper: a missing helper is reported by name.
out=$(HOME=$work XDG_CONFIG_HOME=$work/config "$root/usr/bin/rusk-cli" diff "$mdb" "$mdb" 2>&1)
case $out in *rusk-mdb-dump*) fail "helper not found: $out" ;; esac
# No lintian errors (warnings and notes are for the release notes).
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian"
fi
echo "ok: $deb"
