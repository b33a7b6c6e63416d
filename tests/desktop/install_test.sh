#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under the prefix it was configured with, and checks
# what lands there: exactly the expected files, a program that starts, a desktop entry and
# metainfo that validate and point at each other, the icon, the manual page, the completion, and
# the version everywhere.
# Usage: install_test.sh <build folder> <project version> <prefix> <bin folder under the prefix>
#        <ON|OFF: licence and changelog installed>
set -uo pipefail
source "$(cd "$(dirname "$0")" && pwd)/../../scripts/require_tools.sh"
require_tools desktop-file-validate:desktop-file-utils appstreamcli:appstream \
    rsvg-convert:librsvg2-bin convert:imagemagick mandoc:mandoc
build_dir="$1"
version="$2"
prefix="$3"
bin_dir="$4"
install_docs="$5"
app_id=org.quodrill.Quodrill

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! DESTDIR="$root" cmake --install "$build_dir" >"$root.log" 2>&1; then
    cat "$root.log"
    rm -f "$root.log"
    echo "FAIL: cmake --install"
    exit 1
fi
rm -f "$root.log"
usr="$root$prefix"

# Exactly these files, nothing more (no libraries, headers or test programs); the licence and
# the changelog only when asked for (the Debian package installs its own from debian/).
expected="$bin_dir/quodrill
libexec/quodrill/quodrill-window
share/applications/$app_id.desktop
share/bash-completion/completions/quodrill
share/doc/quodrill/examples/puzzles.txt
share/doc/quodrill/examples/test1.txt
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man6/quodrill.6.gz
share/metainfo/$app_id.metainfo.xml
share/zsh/vendor-completions/_quodrill"
if [ "$install_docs" = ON ]; then
    expected+=$'\nshare/doc/quodrill/changelog.gz\nshare/doc/quodrill/copyright'
fi
expected=$(LC_ALL=C sort <<<"$expected")
installed=$(cd "$usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$expected" ]; then
    fail "installed files differ from the expected list:"
    diff <(echo "$expected") <(echo "$installed")
fi

# The installed program starts the installed window program, which, with no display, says so in
# one line and exits with 1; so it does for a platform of Qt's that does not exist.
program="$usr/$bin_dir/quodrill"
[ -x "$program" ] || fail "$bin_dir/quodrill is not executable"
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
[ "$status" -eq 1 ] || fail "$bin_dir/quodrill without a display exited with $status, not 1"
[ "$message" = "quodrill: cannot open the window: could not connect to display (DISPLAY is not set)" ] ||
    fail "$bin_dir/quodrill without a display said: $message"
message=$(QT_QPA_PLATFORM=quodrill-none "$program" 2>&1)
status=$?
[ "$status" -eq 1 ] && grep -qF 'platform plugin "quodrill-none"' <<<"$message" ||
    fail "$bin_dir/quodrill did not start the installed window program: status $status, $message"

# The desktop entry: valid, named Quodrill, in the game menus, starting the installed program
# with the installed icon.
desktop="$usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Name)" = "Quodrill" ] || fail "desktop Name is '$(entry Name)'"
[ -n "$(entry Comment)" ] || fail "desktop entry has no Comment"
[ "$(entry Categories)" = "Game;LogicGame;" ] || fail "desktop Categories are '$(entry Categories)'"
# Exec is the program and the field code for one file, which the program opens.
exec_program=$(entry Exec | sed 's/ *%[fFuU]$//')
[ -x "$usr/$bin_dir/$exec_program" ] || fail "desktop Exec '$(entry Exec)' is not an installed program"
[ "$(entry Exec)" = "$exec_program %f" ] || fail "desktop Exec '$(entry Exec)' does not take a file"
icon="$usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg"
[ -f "$icon" ] || fail "desktop Icon '$(entry Icon)' has no scalable icon"

# The icon renders as a square picture that is not empty: drawn by librsvg, the renderer that
# desktops use for SVG icons, at its own size, and measured by ImageMagick.
if [ -f "$icon" ]; then
    picture="$root/icon.png"
    if ! rendered=$(rsvg-convert --format png --output "$picture" "$icon" 2>&1); then
        fail "the icon does not render: $rendered"
    else
        read -r width height colours < <(convert "$picture" -format '%w %h %k' info: 2>&1)
        [ -n "$width" ] && [ "$width" = "$height" ] && [ "$width" -ge 48 ] 2>/dev/null ||
            fail "the icon does not render as a square picture: ${width:-?} x ${height:-?}"
        [ "${colours:-0}" -gt 2 ] 2>/dev/null || fail "the icon renders as a blank picture"
    fi
fi

# The metainfo: valid for software centres, launching this desktop entry, at this version.
metainfo="$usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate rejects the metainfo"
appstreamcli validate-tree --no-net "$usr" >/dev/null || fail "appstreamcli validate-tree fails"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q "<binary>quodrill</binary>" "$metainfo" || fail "the metainfo does not provide quodrill"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release $version"

# The manual page: for this version, dated, clean for mandoc, and its EXAMPLES name installed files.
manual=$(gzip -dc "$usr/share/man/man6/quodrill.6.gz")
grep -q '^\.TH QUODRILL 6 "[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]" "Quodrill '"$version"'"' <<<"$manual" ||
    fail "the manual page is not dated, or not for version $version"
lint=$(mandoc -T lint <<<"$manual" 2>&1) || fail "mandoc -T lint: $lint"
named=$(grep -o "$prefix/[^ ]*\.txt" <<<"$manual" | sort -u)
[ -n "$named" ] || fail "the manual page names no installed example"
while read -r path; do
    [ -z "$path" ] || [ -f "$root$path" ] || fail "the manual page names $path, which is not installed"
done <<<"$named"

# The completion: bash defines it for quodrill when the file is read.
complete=$(bash -c 'source "$1" && complete -p quodrill' - \
    "$usr/share/bash-completion/completions/quodrill" 2>&1)
[ "$complete" = "complete -F _quodrill quodrill" ] || fail "bash completion: $complete"

if [ "$install_docs" = ON ]; then
    grep -q '^MIT License' "$usr/share/doc/quodrill/copyright" || fail "the licence is missing"
    gzip -dc "$usr/share/doc/quodrill/changelog.gz" | head -n 1 | grep -q "^quodrill ($version)" ||
        fail "the changelog does not start with version $version"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "Installed and checked: $(tr '\n' ' ' <<<"$expected")"
