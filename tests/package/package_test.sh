#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a clean
# root as dpkg would install it, and runs what it installed: the binaries,
# the manual pages, the completion, and the validators of the desktop entry
# and the AppStream metadata.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/out/zentova_*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"

# Dependencies computed from the binaries, version from the build.
depends=$(dpkg-deb -f "$deb" Depends)
version=$(dpkg-deb -f "$deb" Version)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "Depends: $depends"
[[ $version == "$("$root/usr/bin/zentova-cli" --version | awk '{print $2}')" ]] || fail "version $version"

for file in usr/bin/zentova usr/bin/zentova-cli \
    usr/share/applications/zentova.desktop \
    usr/share/icons/hicolor/scalable/apps/zentova.svg \
    usr/share/icons/hicolor/48x48/apps/zentova.png \
    usr/share/icons/hicolor/256x256/apps/zentova.png \
    usr/share/man/man1/zentova.1.gz usr/share/man/man1/zentova-cli.1.gz \
    usr/share/bash-completion/completions/zentova-cli \
    usr/share/metainfo/org.example.zentova.metainfo.xml \
    usr/share/mime/packages/zentova.xml \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-zentova-expressions.svg; do
    [[ -e $root/$file ]] || fail "missing /$file"
done

# The installed binaries run from where they were installed.
[[ $("$root/usr/bin/zentova-cli" eval --angle deg "sin(30)+2^3") == 8.5 ]] || fail "zentova-cli eval"
[[ $("$root/usr/bin/zentova" --version) == "zentova $version" ]] || fail "zentova --version"
zcat "$root/usr/share/man/man1/zentova-cli.1.gz" | grep -q '^integrate' || fail "manual page"

desktop-file-validate "$root/usr/share/applications/zentova.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.zentova.metainfo.xml" >/dev/null ||
    fail "AppStream metadata"

# The file type is one the MIME database takes, named by its suffix, and the
# desktop entry opens it.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/zentova.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >"$work/mime.log" 2>&1 && ! grep -qi error "$work/mime.log" ||
    { cat "$work/mime.log" >&2; fail "MIME type"; }
grep -qx 'application/x-zentova-expressions:\*\.zexp' "$work/mime/globs" || fail "MIME glob"
grep -qx 'MimeType=application/x-zentova-expressions;' \
    "$root/usr/share/applications/zentova.desktop" || fail "desktop entry's MIME type"

# The completion offers the installed program's subcommands and options.
completions=$(PATH="$root/usr/bin:$PATH" bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    offer() { COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMP_LINE="$*"
              COMP_POINT=${#COMP_LINE}; COMPREPLY=(); _zentova_cli zentova-cli; echo "${COMPREPLY[*]}"; }
    offer zentova-cli ma; offer zentova-cli matrix ""; offer zentova-cli eval --an' \
    _ "$root/usr/share/bash-completion/completions/zentova-cli")
[[ $completions == $'matrix\nadd sub mul inv echelon relayout\n--angle' ]] || fail "completion: $completions"

echo "package: 1 passed, 0 failed"
