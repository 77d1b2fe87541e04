#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks its file list and its
# dependencies, unpacks it and runs the unpacked program from its launcher in an X server.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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

# The unpacked program, started from its launcher, exports a "City" column: every value must come
# from the cities.txt packed beside it.
xvfb-run -a -s "-screen 0 1024x768x24" "$(dirname "$0")/export_cities.sh" "$launcher" \
    "$work/cities.sql" || fail "the unpacked program could not export"
statements=$(grep -c '^INSERT `mytable` (`Column 1`) VALUES(' "$work/cities.sql")
[ "$statements" -eq 100 ] || fail "$statements statements instead of 100"
sed -e 's/^INSERT `mytable` (`Column 1`) VALUES(.//' -e "s/'); \r\$//" -e "s/''/'/g" \
    "$work/cities.sql" | sort -u >"$work/values.txt"
grep -qx '' "$work/values.txt" && fail "empty values: the program found no cities.txt"
unknown=$(comm -23 "$work/values.txt" <(sort -u "$(dirname "$target")/cities.txt"))
[ -z "$unknown" ] || fail "values that are not in cities.txt: $unknown"
echo "package test passed: $(basename "$deb"), Depends: $depends"
