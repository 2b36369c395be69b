#!/usr/bin/env bash
# tests/windows/tst_installer.sh tovira-setup-0.1.exe [tovira-setup-0.2.exe]: the Windows installer under Wine
# as a customer's computer meets it, each case in a fresh Wine prefix with a home folder of its own, so nothing
# of the real user's is read or written. The second, newer installer goes over the first, or the first over itself.
set -euo pipefail

setup=$(realpath "$1") newer=$(realpath "${2:-$1}")
version_of() { local v=${1##*/tovira-setup-}; echo "${v%.exe}"; }
work=$(mktemp -d) && mkdir "$work/home"
cleanup() { for p in "$work"/*/; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "tst_installer: FAIL ($case): $*" >&2; exit 1; }
# No Mono or Gecko prompts, no menu entries on the Linux desktop for the shortcut made inside, and UTF-8
# for file names and command lines: in another locale Wine cannot name the shortcut "Tovira幫你算".
export HOME=$work/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" LC_ALL=C.UTF-8
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
details_key='HKCU\Software\VB and VBA Program Settings\Tovira\Information'
case=prefix me=$(id -un)
template=${TOVIRA_WINE_TEMPLATE:?set by scripts/windows: a fresh Wine prefix to copy}

# Each case's Wine server stays up between commands, which saves seconds on each.
server() { wineserver -k 2>/dev/null || true; wineserver -w; wineserver -p; }
fresh() { # fresh CASE: a new prefix, copied from the template, for CASE
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    case=$1 && export WINEPREFIX=$work/$1
    cp -a "$template" "$WINEPREFIX" && server
    local user=$WINEPREFIX/drive_c/users/$me/AppData
    program=$user/Local/Programs/Tovira shortcut="$user/Roaming/Microsoft/Windows/Start Menu/Programs"/Tovira幫你算.lnk
}
install() { wine "$1" /S >/dev/null 2>&1 || fail "$(basename "$1") /S exited with $?"; }
export_key() { # export_key KEY: the key and its subkeys as text, or nothing when it is missing
    wine reg export "$1" "$work/out.reg" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$work/out.reg" | tr -d '\r'
}
seed_details() { # what "儲存我的資料" leaves, put there before the program is ever installed
    for v in Name=王小明 Address=臺北市民生東路1號; do
        wine reg add "$details_key" /v "${v%%=*}" /d "${v#*=}" /f >/dev/null 2>&1 || fail "reg add $v"
    done
    details=$(export_key "$details_key")
}
details_kept() { [ "$(export_key "$details_key")" == "$details" ] || fail "the saved details changed"; }
value() { sed -n "s/^\"$1\"=//p" <<<"$entry" | sed 's/^"//; s/"$//; s/\\"/"/g; s/\\\\/\\/g'; }
expect_installed() { # expect_installed VERSION
    # The version details sit at the program's end: ProductVersion, then its value.
    [ "$(strings -el -n 3 "$program/tovira.exe" | grep -A1 -x ProductVersion | tail -1)" == "$1" ] ||
        fail "no tovira.exe $1"
    [ "$(cd "$program" && echo *)" == "tovira.exe uninstall.exe" ] || fail "installed: $(cd "$program" && echo *)"
    strings -el "$shortcut" 2>/dev/null | grep -q 'Tovira\\tovira.exe' || fail "no Start menu shortcut to tovira.exe"
    [ "$(export_key "$uninstall_key" | grep -c '^"DisplayName"="Tovira幫你算"$')" == 1 ] || fail "not one uninstall entry"
}

fresh install
install "$setup"
expect_installed "$(version_of "$setup")"

fresh reinstall
seed_details
install "$setup"
install "$setup"
install "$newer"
expect_installed "$(version_of "$newer")"
details_kept

fresh running
install "$setup"
# The installed program starts and shows its window on the X display; the installer will not go over it.
[ -n "${DISPLAY:-}" ] || fail "no X display"
wine "$program/tovira.exe" >/dev/null 2>&1 &
for t in $(seq 120); do # a search can trip over one of Wine's short-lived windows: ask again
    xdotool search --onlyvisible --name '^Tovira幫你算$' >/dev/null 2>&1 && break
    ((t < 120)) || fail "tovira.exe showed no window" && sleep 0.5
done
rc=0 && wine "$newer" /S >/dev/null 2>&1 || rc=$?
[ $rc == 2 ] || fail "installing over the running program exited with $rc, not 2"
# _?= keeps the uninstaller from handing over to a copy of itself, so it exits with the result.
rc=0 && wine "$program/uninstall.exe" /S "_?=$(winepath -w "$program" 2>/dev/null)" >/dev/null 2>&1 || rc=$?
[ $rc == 2 ] || fail "uninstalling the running program exited with $rc, not 2"
server && wait
expect_installed "$(version_of "$setup")"

fresh uninstall
seed_details
install "$setup"
entry=$(export_key "$uninstall_key\\Tovira")
quiet=$(value QuietUninstallString) && uninstaller=${quiet#\"} && uninstaller=${uninstaller%%\"*}
# The uninstaller hands over to a copy of itself and returns: wait for the Wine server to empty.
wineserver -k && wineserver -w
wine "$uninstaller" "${quiet##*\" }" >/dev/null 2>&1 || fail "$quiet exited with $?"
wineserver -w
[ ! -e "$program" ] || fail "left the program's folder: $(cd "$program" && echo *)"
[ ! -e "$shortcut" ] || fail "left the Start menu shortcut"
[ -z "$(export_key "$uninstall_key\\Tovira")" ] || fail "left the uninstall entry"
details_kept

echo "tst_installer: 4 passed, 0 failed"
