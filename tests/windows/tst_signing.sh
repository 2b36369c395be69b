#!/usr/bin/env bash
# tests/windows/tst_signing.sh TOVIRA.EXE VERSION: the packages scripts/windows-package.sh makes from
# TOVIRA.EXE, stripped as scripts/windows strips it, with a certificate (here a throwaway self-signed one)
# carry valid SHA-256 signatures on every program Windows checks: tovira.exe in the zip, the installer,
# and tovira.exe and the uninstaller as the installer leaves them (under Wine, in a copy of the suite's
# fresh prefix). A changed byte breaks a signature. No password reaches the output or the packages.
# Offline: no timestamp.
set -euo pipefail
exe=$(realpath "$1") version=$2 work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "tst_signing: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/windows-package.sh"
cd "$work"
x86_64-w64-mingw32-strip -o tovira.exe "$exe"
password=never-shown-$RANDOM$RANDOM && echo "$password" >password
openssl req -x509 -newkey rsa:2048 -noenc -keyout key.pem -out cert.pem -days 2 -subj /CN=Tovira \
    -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -passout file:password -out cert.p12
TOVIRA_SIGN_PKCS12=$work/cert.p12 TOVIRA_SIGN_PASSWORD_FILE=$work/password \
    tovira_windows_package tovira.exe "$version" out >made 2>&1 || fail "signed packaging failed: $(cat made)"
! grep -rqF "$password" made out || fail "the password was shown or stored"
python3 -m zipfile -e out/*.zip zip
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe="
cp -a "${TOVIRA_WINE_TEMPLATE:?set by scripts/windows}" prefix
wine "out/tovira-setup-$version.exe" /S && wineserver -w
installed=(prefix/drive_c/users/*/AppData/Local/Programs/Tovira/{tovira,uninstall}.exe)
for file in zip/*/tovira.exe "${installed[@]}" "out/tovira-setup-$version.exe"; do
    osslsigncode verify -CAfile cert.pem -in "$file" >verified 2>&1 && grep -q 'digest algorithm *: SHA256' verified ||
        fail "$file: $(grep -i 'fail\|algorithm' verified)"
done
cp "out/tovira-setup-$version.exe" changed.exe
offset=$(($(stat -c %s changed.exe) / 2)) && byte=$(od -An -tu1 -j $offset -N1 changed.exe)
printf "\\x$(printf %02x $((byte ^ 1)))" | dd of=changed.exe bs=1 seek=$offset conv=notrunc status=none
! osslsigncode verify -CAfile cert.pem -in changed.exe >/dev/null 2>&1 || fail "a changed installer still verifies"
echo "tst_signing: ${#installed[@]} installed and 2 packaged programs signed, a changed byte caught"
