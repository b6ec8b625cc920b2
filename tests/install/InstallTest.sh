#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: Apache-2.0

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
         share/applications/example.velmora.Paginor.desktop \
         share/metainfo/example.velmora.Paginor.metainfo.xml \
         share/icons/hicolor/scalable/apps/paginor.svg share/icons/hicolor/256x256/apps/paginor.png \
         share/man/man1/paginor.1 share/man/man1/paginor-cli.1 \
         share/bash-completion/completions/paginor-cli share/doc/paginor/LICENSE; do
    [ -s "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/bin/paginor" ] && [ -x "$root/bin/paginor-cli" ] || fail "executables not executable"

# The PNG icon is 256 by 256 pixels (width and height of its header, big-endian).
read -r -a size <<<"$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/256x256/apps/paginor.png")"
[ "${size[2]}" = 1 ] && [ "${size[3]}" = 0 ] && [ "${size[6]}" = 1 ] && [ "${size[7]}" = 0 ] ||
    fail "icon is not 256x256: ${size[*]}"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/paginor.svg" || fail "icon is no SVG"
for page in paginor paginor-cli; do
    grep -q "^\.TH ${page^^} 1" "$root/share/man/man1/$page.1" || fail "man page $page"
done

# Both programs name their version and their licence.
out="$("$root/bin/paginor-cli" --version)"
[ "$out" = $'paginor-cli 4.0\nLicense: Apache-2.0' ] || fail "paginor-cli --version said: $out"

out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/paginor" --version)"
[ "$out" = $'Paginor 4.0\nLicense: Apache-2.0' ] || fail "paginor --version without a display said: $out"

# The GUI, started offscreen from its installed place, finds every skin in its data folder.
export XDG_CONFIG_HOME="$stage/config"
out="$(QT_QPA_PLATFORM=offscreen "$root/bin/paginor" --list-skins)" || fail "skins: $out"
grep -qx "Style file: $root/share/paginor/skin.styles" <<<"$out" || fail "style file: $out"
[ "$(grep -c ': found$' <<<"$out")" = 5 ] || fail "skins: $out"

desktop="$root/share/applications/example.velmora.Paginor.desktop"
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx 'Exec=paginor %F' "$desktop" || fail "Exec line"
appstreamcli validate --no-net "$root/share/metainfo/example.velmora.Paginor.metainfo.xml" ||
    fail "metainfo"
echo "install test passed"
