#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under an unusual prefix and runs what was
# installed. Usage: InstallTest.sh BUILD_DIR
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
prefix=/opt/paginor-test
root="$stage$prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/paginor bin/paginor-cli share/paginor/skin.styles \
         share/applications/paginor.desktop share/icons/hicolor/scalable/apps/paginor.svg \
         share/icons/hicolor/256x256/apps/paginor.png share/man/man1/paginor-cli.1; do
    [ -s "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/bin/paginor" ] && [ -x "$root/bin/paginor-cli" ] || fail "executables not executable"

# The PNG icon is 256 by 256 pixels (width and height of its header, big-endian).
read -r -a size <<<"$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/256x256/apps/paginor.png")"
[ "${size[2]}" = 1 ] && [ "${size[3]}" = 0 ] && [ "${size[6]}" = 1 ] && [ "${size[7]}" = 0 ] ||
    fail "icon is not 256x256: ${size[*]}"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/paginor.svg" || fail "icon is no SVG"
head -1 "$root/share/man/man1/paginor-cli.1" | grep -q '^\.TH PAGINOR-CLI 1' || fail "man page"

out="$("$root/bin/paginor-cli" --version)"
[ "$out" = "paginor-cli 4.0" ] || fail "paginor-cli --version said: $out"

out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/paginor" --version)"
[ "$out" = "Paginor 4.0" ] || fail "paginor --version without a display said: $out"

# The GUI, started offscreen from its installed place, finds every skin in its data folder.
export XDG_CONFIG_HOME="$stage/config"
out="$(QT_QPA_PLATFORM=offscreen "$root/bin/paginor" --list-skins)" || fail "skins: $out"
grep -qx "Style file: $root/share/paginor/skin.styles" <<<"$out" || fail "style file: $out"
[ "$(grep -c ': found$' <<<"$out")" = 5 ] || fail "skins: $out"

desktop-file-validate "$root/share/applications/paginor.desktop" || fail "desktop entry"
grep -qx 'Exec=paginor %F' "$root/share/applications/paginor.desktop" || fail "Exec line"
echo "install test passed"
