# Sourced by scripts/windows. tovira_windows_package EXE VERSION OUTDIR makes, from the built tovira.exe,
# OUTDIR/tovira-setup-VERSION.exe, the installer (packaging/windows/installer.nsi), and
# OUTDIR/tovira-VERSION-windows-x64.zip, the same program to run without installing, with a short readme,
# and prints their paths. The same EXE gives the same bytes each time: the installer keeps no file
# times, and the zip's entries come in a fixed order with fixed modes and one time, SOURCE_DATE_EPOCH
# or else the last commit's, and no extra fields.

TOVIRA_WINDOWS_PACKAGING="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/windows" && pwd)"

tovira_windows_package() (
    set -euo pipefail
    local dir=$TOVIRA_WINDOWS_PACKAGING exe version=$2 out
    exe=$(realpath "$1") && mkdir -p "$3" && out=$(realpath "$3")
    if declare -F tovira_install_packages >/dev/null; then tovira_install_packages nsis zip; fi
    local setup=$out/tovira-setup-$version.exe zip=$out/tovira-$version-windows-x64.zip
    # -WX: a warning fails the build. The script stops too when VERSION is not the program's own.
    makensis -WX -V2 -DVERSION="$version" -DEXE="$exe" -DICON="$dir/tovira.ico" -DOUTFILE="$setup" \
        "$dir/installer.nsi" >&2

    local epoch stage top=tovira-$version
    epoch=${SOURCE_DATE_EPOCH:-$(git -C "$dir" log -1 --format=%ct)}
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    mkdir "$stage/$top"
    cp "$exe" "$stage/$top/tovira.exe"
    # For Notepad: CRLF line ends, and a byte-order mark, without which Windows 7's reads it as ANSI.
    { printf '\xef\xbb\xbf'; sed "s/@VERSION@/$version/g; s/\$/\r/" "$dir/readme.txt"; } >"$stage/$top/README.txt"
    chmod 0755 "$stage/$top" && chmod 0644 "$stage/$top"/*
    touch -d "@$epoch" "$stage/$top"/*
    rm -f "$zip"
    # Zip stores local times: in UTC, the same epoch is the same entry anywhere. ASCII names only, which
    # every unzipper on Windows reads alike.
    (cd "$stage" && TZ=UTC zip -X -D -9 -q "$zip" "$top/README.txt" "$top/tovira.exe")
    echo "$setup"
    echo "$zip"
)
