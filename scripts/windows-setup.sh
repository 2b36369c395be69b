# Sourced by the scripts that build or run the Windows program (scripts/windows, scripts/screenshots
# --windows): the packages they need, Wine's fresh prefix, a private X display, and Qt for Windows.
#
# Qt for Windows is cross-built once per machine from Debian's own qt6-base source package (the same
# 6.4.2 as the host's moc, rcc and uic) and kept in a cache folder outside the checkout, or unpacked
# from an archive of the same build (tovira_qt_windows_unpack). The folder's name carries the version
# and a digest of the options and the toolchain file, so a change to either builds a new Qt beside the
# old one.

TOVIRA_QT_VERSION=6.4.2
TOVIRA_QT_CACHE="${TOVIRA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tovira}"
TOVIRA_QT_TOOLCHAIN="$TOVIRA_ROOT/cmake/windows/mingw-w64.cmake"
TOVIRA_QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF              # one tovira.exe, no Qt DLLs beside it
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_QPA_DEFAULT_PLATFORM=windows
    # Modules the program does not use.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    # Drawing: the raster engine only. dynamicgl stays on without opengl and then breaks the build.
    # direct2d stays: without it Qt 6.4.2 leaves out its DirectWrite font engine and database, which
    # the windows platform plugin still calls, and no program links.
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    # Input and data the program has no use for; tablet events need wintab, which Debian drops.
    -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    # Qt's own copies of the libraries, built into the program. FreeType stays: it gives the
    # offscreen platform the tests run on, and a second way of drawing text.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
)

tovira_qt_windows_prefix() {
    local digest
    digest=$({ printf '%s\n' "${TOVIRA_QT_OPTIONS[@]}"; cat "$TOVIRA_QT_TOOLCHAIN"; } | sha256sum | cut -c1-12)
    echo "$TOVIRA_QT_CACHE/qt-$TOVIRA_QT_VERSION-mingw64-$digest"
}

# Debian's source package needs a deb-src entry for the suite the host's Qt comes from.
tovira_qt_windows_sources() { # tovira_qt_windows_sources DIR: unpacked and patched qt6-base in DIR
    local dir="$1" suite
    [ -f "$dir/CMakeLists.txt" ] && return 0
    if ! apt-get source --print-uris -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null 2>&1; then
        suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
        echo "Adding the deb-src entry for $suite"
        local sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$suite" | "${sudo[@]}" tee /etc/apt/sources.list.d/tovira-src.sources >/dev/null
        "${sudo[@]}" apt-get update -qq
    fi
    local download
    download=$(mktemp -d "$TOVIRA_QT_CACHE/download.XXXXXX")
    (cd "$download" && apt-get source -qq --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" 2>/dev/null \
        && dpkg-source -x --no-check ./*.dsc qtbase >/dev/null)
    rm -rf "$dir"
    mv "$download/qtbase" "$dir"
    rm -rf "$download"
}

# A Qt for Windows built by these same options on another machine may be handed over as an archive
# named after its folder, with a .sha256 file beside it, in the shared cache folder (TOVIRA_QT_ARCHIVES,
# by default ../shared/cache beside the checkout). It is unpacked only when its sum matches; otherwise
# Qt is built here. Says in one line which happened.
tovira_qt_windows_unpack() { # tovira_qt_windows_unpack PREFIX
    local prefix="$1" name archives
    name=${prefix##*/}
    archives="${TOVIRA_QT_ARCHIVES:-$TOVIRA_ROOT/../shared/cache}"
    local archive="$archives/$name.tar.zst"
    if [ ! -f "$archive" ] || [ ! -f "$archive.sha256" ]; then
        echo "Qt for Windows: no archive $name.tar.zst with its .sha256 in $archives; building it here"
        return 1
    fi
    if ! (cd "$archives" && sha256sum --quiet --check "$name.tar.zst.sha256" >/dev/null 2>&1); then
        echo "Qt for Windows: $archive does not match its .sha256; building it here"
        return 1
    fi
    local unpacked
    unpacked=$(mktemp -d "$TOVIRA_QT_CACHE/unpack.XXXXXX")
    if ! tar --zstd -xf "$archive" -C "$unpacked" || [ ! -f "$unpacked/$name/.complete" ]; then
        rm -rf "$unpacked"
        echo "Qt for Windows: $archive did not unpack into a complete $name; building it here"
        return 1
    fi
    rm -rf "$prefix"
    mv "$unpacked/$name" "$prefix"
    rm -rf "$unpacked"
    echo "Qt for Windows: unpacked $archive (sum checked); no build needed"
}

tovira_qt_windows() { # prints the prefix of a complete Qt for Windows, building it when needed
    local prefix
    prefix=$(tovira_qt_windows_prefix)
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    mkdir -p "$TOVIRA_QT_CACHE"
    if tovira_qt_windows_unpack "$prefix" >&2; then
        echo "$prefix"
        return 0
    fi
    local source="$TOVIRA_QT_CACHE/qtbase-$TOVIRA_QT_VERSION" build="$prefix.build"
    tovira_qt_windows_sources "$source" >&2
    local started=$SECONDS
    echo "Building Qt $TOVIRA_QT_VERSION for Windows into $prefix (about 45 minutes on two cores)" >&2
    cmake -G Ninja -S "$source" -B "$build" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$TOVIRA_QT_TOOLCHAIN" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${TOVIRA_QT_OPTIONS[@]}" >"$prefix.configure.log" 2>&1 \
        || { tail -30 "$prefix.configure.log" >&2; return 1; }
    cmake --build "$build" >"$prefix.build.log" 2>&1 || { tail -30 "$prefix.build.log" >&2; return 1; }
    cmake --install "$build" >/dev/null
    echo "$(( SECONDS - started )) s" >"$prefix/.complete"
    rm -rf "$build"
    echo "Qt for Windows built in $(( (SECONDS - started) / 60 )) minutes" >&2
    echo "$prefix"
}

TOVIRA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xclip xdotool nsis osslsigncode zip dpkg-dev fontconfig
    fonts-noto-cjk zstd)

# Configures and builds the windows preset (all targets, or those named) against Qt for Windows.
tovira_windows_build() {
    TOVIRA_QT_WINDOWS=$(tovira_qt_windows)
    export TOVIRA_QT_WINDOWS
    # A build configured against another Qt (other options) starts again: CMake keeps its toolchain.
    local cache="$TOVIRA_ROOT/build/windows/CMakeCache.txt"
    if [ -f "$cache" ] && ! grep -qF "$TOVIRA_QT_WINDOWS/" "$cache"; then
        rm -rf "$cache" "$TOVIRA_ROOT/build/windows/CMakeFiles"
    fi
    tovira_build windows "$@"
}

# Wine's own start-up, done once per build folder: each run under Wine copies this fresh prefix
# (cmake/windows/wine-run) rather than making its own. No dialog may wait for an answer nobody gives:
# Wine's offers to install Mono and Gecko are off, and so is its crash dialog (a crash fails the run
# instead); and winemenubuilder would put shortcuts made inside into the real desktop's menus.
tovira_wine_template() {
    export WINEDEBUG=-all
    export TOVIRA_WINE_TEMPLATE="$TOVIRA_ROOT/build/windows/wine-template"
    local font=/usr/share/fonts/truetype/arphic/uming.ttc
    [ -f "$TOVIRA_WINE_TEMPLATE/system.reg" ] && [ -e "$TOVIRA_WINE_TEMPLATE/drive_c/windows/Fonts/${font##*/}" ] \
        && return 0
    rm -rf "$TOVIRA_WINE_TEMPLATE"
    WINEPREFIX="$TOVIRA_WINE_TEMPLATE" WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" wineboot -i 2>/dev/null
    WINEPREFIX="$TOVIRA_WINE_TEMPLATE" wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f >/dev/null
    tovira_wine_system_font "$TOVIRA_WINE_TEMPLATE" "$font"
    WINEPREFIX="$TOVIRA_WINE_TEMPLATE" wineserver -w
}

# A Windows without 新細明體 (an English-language one, without the Traditional Chinese supplemental
# fonts), made as tovira_wine_template makes the fresh prefix: no Ming face anywhere, and Microsoft
# JhengHei, a face with outlines only, stood in for by Noto Sans CJK TC, installed as Windows installs
# msjh.ttc and msjhbd.ttc and named "Microsoft JhengHei" by Wine's font replacements. Wine reads the
# Linux faces through fontconfig each time it starts, so every run in this prefix (and its making)
# has FONTCONFIG_FILE name a configuration without font folders.
tovira_wine_template_without_ming() {
    export TOVIRA_WINE_TEMPLATE_WITHOUT_MING="$TOVIRA_ROOT/build/windows/wine-template-without-ming"
    local prefix=$TOVIRA_WINE_TEMPLATE_WITHOUT_MING noto=/usr/share/fonts/opentype/noto/NotoSansCJK
    export TOVIRA_FONTCONFIG_WITHOUT_MING="$prefix.fonts.conf"
    [ -f "$prefix/system.reg" ] && [ -e "$prefix/drive_c/windows/Fonts/NotoSansCJK-Bold.ttc" ] && return 0
    rm -rf "$prefix" && echo '<fontconfig/>' >"$TOVIRA_FONTCONFIG_WITHOUT_MING"
    (
        export WINEPREFIX="$prefix" FONTCONFIG_FILE="$TOVIRA_FONTCONFIG_WITHOUT_MING"
        WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" wineboot -i 2>/dev/null
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft JhengHei' /d 'Noto Sans CJK TC' /f >/dev/null
        tovira_wine_system_font "$prefix" "$noto-Regular.ttc"
        tovira_wine_system_font "$prefix" "$noto-Bold.ttc"
        wineserver -w
    )
}

# The Ming face as Windows keeps its own (新細明體 is mingliu.ttc): a file in the Fonts folder, listed
# under HKLM's Fonts key by the names of the faces it holds, in their order, joined by " & ". Qt's
# FreeType font engine on Windows finds a face's file and its place in a collection there. Wine by
# itself lists the Linux faces one by one, each at the collection's first place, so that asking for
# AR PL UMing TW would draw AR PL UMing CN's glyphs. The faces' full names, like "… Bold" in a bold file.
tovira_wine_system_font() { # tovira_wine_system_font PREFIX FILE
    local prefix="$1" file="$2" faces
    faces=$(fc-query -f '%{fullname[0]}\n' "$file" | paste -sd '&' | sed 's/&/ \& /g')
    ln -sf "$file" "$prefix/drive_c/windows/Fonts/${file##*/}"
    WINEPREFIX="$prefix" wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v "$faces (TrueType)" /t REG_SZ /d "${file##*/}" /f >/dev/null
}

# Qt's `windows` platform draws through Wine's X11 driver: a private X server for it, ended with the
# calling script, with no desktop session's settings reaching the programs.
tovira_private_display() {
    local displays
    displays=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displays" 2>/dev/null &
    TOVIRA_XVFB_PID=$!
    trap 'kill "$TOVIRA_XVFB_PID" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -s "$displays" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$displays")"
    rm -f "$displays"
    unset XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM # the programs choose their own platform
}
