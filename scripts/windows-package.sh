# Sourced by scripts/windows. tovira_windows_package EXE VERSION OUTDIR makes, from the built tovira.exe,
# OUTDIR/tovira-setup-VERSION.exe, the installer (packaging/windows/installer.nsi), and
# OUTDIR/tovira-VERSION-windows-x64.zip, the same program to run without installing, with a short readme,
# and prints their paths. The same EXE gives the same bytes each time: the installer keeps no file
# times, and the zip's entries come in a fixed order with fixed modes and one time, SOURCE_DATE_EPOCH
# or else the last commit's, and no extra fields. Given a certificate (TOVIRA_SIGN_PKCS12, see
# scripts/windows-sign), tovira.exe in both, the installer and the uninstaller it writes are signed;
# a signature holds its signing time, so signed packages differ from one build to the next.

TOVIRA_WINDOWS_PACKAGING="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/windows" && pwd)"
TOVIRA_WINDOWS_SIGN="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/windows-sign"

tovira_windows_package() (
    set -euo pipefail
    local dir=$TOVIRA_WINDOWS_PACKAGING exe version=$2 out
    exe=$(realpath "$1") && mkdir -p "$3" && out=$(realpath "$3")
    if declare -F tovira_install_packages >/dev/null; then tovira_install_packages nsis zip; fi
    local setup=$out/tovira-setup-$version.exe zip=$out/tovira-$version-windows-x64.zip
    local epoch stage top=tovira-$version
    epoch=${SOURCE_DATE_EPOCH:-$(git -C "$dir" log -1 --format=%ct)}
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    mkdir "$stage/$top"
    cp "$exe" "$stage/$top/tovira.exe"
    local sign=()
    if [ -n "${TOVIRA_SIGN_PKCS12:-}" ]; then
        "$TOVIRA_WINDOWS_SIGN" "$stage/$top/tovira.exe"
        sign=(-DSIGN="$TOVIRA_WINDOWS_SIGN")
    else
        echo "No certificate given (TOVIRA_SIGN_PKCS12): tovira.exe and the installer are unsigned" >&2
    fi
    # -WX: a warning fails the build. The script stops too when VERSION is not the program's own.
    makensis -WX -V2 -DVERSION="$version" -DEXE="$stage/$top/tovira.exe" -DICON="$dir/tovira.ico" \
        -DOUTFILE="$setup" "${sign[@]}" "$dir/installer.nsi" >&2
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
