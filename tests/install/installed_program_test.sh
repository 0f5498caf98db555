#!/bin/sh
# Installs the build into a temporary DESTDIR as the package does (prefix
# /usr), then checks the installed copy from another folder: the program
# finds and loads its sounds and pictures in its data folder, the menu entry
# and the software-centre file validate, the icon is there in both sizes,
# and the login autostart switches on and off.
#   installed_program_test.sh BUILD_DIR CMAKE APP_ID VERSION
set -eu
build=$1 cmake=$2 app=$3 version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install"
}

for f in usr/bin/tabrino usr/bin/tabrino-autoinicio \
         usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/icons/hicolor/256x256/apps/$app.png \
         usr/share/doc/tabrino/copyright \
         usr/share/tabrino/timbre.wav usr/share/tabrino/clin.wav usr/share/tabrino/final.wav \
         usr/share/tabrino/aviso.wav usr/share/tabrino/bip.wav usr/share/tabrino/pictures/red_card.svg; do
    [ -f "$root/$f" ] || fail "not installed: /$f"
done

# The PNG icon is a real 256 x 256 PNG (width and height in its IHDR chunk).
png="$root/usr/share/icons/hicolor/256x256/apps/$app.png"
head=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
[ "${head%%0d0a1a0a*}" = "89504e47" ] || fail "icon is not a PNG"
[ "$(echo "$head" | cut -c33-48)" = "0000010000000100" ] || fail "icon is not 256 x 256: $head"

desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
grep -q "release version=\"$version\"" "$root/usr/share/metainfo/$app.metainfo.xml" || fail "metainfo release is not $version"
[ "$(sed -n 's/^Icon=//p' "$root/usr/share/applications/$app.desktop")" = "$app" ] || fail "menu entry names another icon"

# Run from somewhere else: nothing may come from the working folder or the
# build folder.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
"$root/usr/bin/tabrino" --version | grep -qx "Tabrino de Hockey $version" || fail "--version"
out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/tabrino" --check-assets) || { echo "$out" >&2; fail "--check-assets"; }
echo "$out"
echo "$out" | grep -qx "Carpeta de datos: $root/usr/share/tabrino" || fail "data folder is not the installed one"
echo "$out" | grep -q "^Todo en su sitio: 5 sonidos y [1-9][0-9]* imágenes.$" || fail "not everything loaded"

# A broken install is told, by file, and fails.
printf 'not a wave' >"$root/usr/share/tabrino/bip.wav"
rm "$root/usr/share/tabrino/pictures/horn.svg"
if out=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/tabrino" --check-assets); then fail "a broken install passed"; fi
echo "$out" | grep -qx "sonido bip.wav: NO SE PUEDE ABRIR" || fail "broken sound not named: $out"
echo "$out" | grep -qx "imagen pictures/horn.svg: NO SE PUEDE LEER" || fail "missing picture not named: $out"
echo "$out" | grep -qx "sonido timbre.wav: bien" || fail "good sound reported bad: $out"

# Login autostart, per user, on request.
export XDG_CONFIG_HOME="$work/config"
auto="$XDG_CONFIG_HOME/autostart/$app.desktop"
"$root/usr/bin/tabrino-autoinicio" estado | grep -qx desactivado || fail "autostart on before asked"
"$root/usr/bin/tabrino-autoinicio" activar >/dev/null
[ -f "$auto" ] || fail "autostart entry not written"
desktop-file-validate "$auto" || fail "autostart entry does not validate"
grep -qx "Exec=\"$root/usr/bin/tabrino\"" "$auto" || fail "autostart does not start the installed program: $(grep ^Exec "$auto")"
"$root/usr/bin/tabrino-autoinicio" estado | grep -q "^activado" || fail "estado after activar"
"$root/usr/bin/tabrino-autoinicio" desactivar >/dev/null
[ ! -e "$auto" ] || fail "autostart entry left behind"
if "$root/usr/bin/tabrino-autoinicio" 2>/dev/null; then fail "no argument accepted"; fi

echo "PASS: installed under $root"
