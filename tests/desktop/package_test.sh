#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks its file list and its
# dependencies, unpacks it and starts the unpacked program from its launcher.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/rowsmith_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
private=./usr/lib/rowsmith
for file in "$private/rowsmith" ./usr/bin/rowsmith \
    ./usr/share/applications/org.example.Rowsmith.desktop \
    ./usr/share/metainfo/org.example.Rowsmith.metainfo.xml \
    ./usr/share/icons/hicolor/32x32/apps/org.example.Rowsmith.png \
    $(printf "$private/%s " name_fem.txt name_masc.txt cities.txt countries.txt hobbies.txt \
        email_name.txt email_domain.txt randomwords.txt); do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 qt6-qpa-plugins; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.Rowsmith.metainfo.xml" \
    >/dev/null || fail "the metainfo file does not validate"
desktop-file-validate "$work/root/usr/share/applications/org.example.Rowsmith.desktop" ||
    fail "the desktop entry does not validate"
launcher="$work/root/usr/bin/rowsmith"
[ -L "$launcher" ] || fail "usr/bin/rowsmith is not a link"
target=$(readlink -f "$launcher")
[ "$target" = "$work/root/usr/lib/rowsmith/rowsmith" ] || fail "the launcher points to $target"
for list in name_fem.txt countries.txt randomwords.txt; do
    [ -s "$(dirname "$target")/$list" ] || fail "$list is not beside the executable"
done

QT_QPA_PLATFORM=offscreen "$launcher" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the unpacked program did not keep running"
echo "package test passed: $(basename "$deb"), Depends: $depends"
