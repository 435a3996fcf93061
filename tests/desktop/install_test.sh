#!/usr/bin/env bash
# Installs the build into a temporary folder and checks the installed files as Linux desktops
# read them: the desktop entry, the AppStream metainfo, the MIME type and the themed icons.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
usr=$dest/usr
share=$usr/share
id=org.ninefold.Ninefold

for program in ninefold ninefold-cli; do
    test -x "$usr/bin/$program" || { echo "missing $usr/bin/$program"; exit 1; }
done

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
appstreamcli validate-tree --no-net "$usr"

for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || { echo "bad $icon"; exit 1; }
done
test -f "$share/icons/hicolor/scalable/apps/$id.svg"

# The MIME package builds into a database that maps *.nfd to the type the entry opens.
update-mime-database "$share/mime"
grep -qx '[0-9]*:application/x-ninefold:\*\.nfd' "$share/mime/globs2"
grep -q '<comment>Ninefold Save</comment>' "$share/mime/application/x-ninefold.xml"
grep -qx 'MimeType=application/x-ninefold;' "$share/applications/$id.desktop"
grep -qx "Icon=$id" "$share/applications/$id.desktop"
echo "installed files valid"
