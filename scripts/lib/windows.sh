# The Windows build: the third-party libraries cross-built from Debian's source packages into a
# cache outside the tree, the game and its tests built with mingw-w64 and run under Wine, and the
# zip handed to teachers. Sourced by scripts/windows and scripts/package.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Cross compilers (posix threads: the win32 flavour's C++ library has no std::thread), the
# assembler of libjpeg-turbo's SIMD code, the tools that fetch and unpack source packages, Wine to
# run the tests, zip for the teachers' archive, and fonttools to cut the built-in faces down.
TEVRA_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64 nasm cmake make dpkg-dev apt gpgv xz-utils debian-archive-keyring
    wine wine64 zip python3-fonttools)

TEVRA_WINDOWS_TRIPLET=x86_64-w64-mingw32
TEVRA_WINDOWS_TOOLCHAIN=$TEVRA_ROOT/cmake/mingw-w64-x86_64.cmake
# The source packages the .exe is made of, as Debian names them.
TEVRA_WINDOWS_SOURCES=(zlib libpng1.6 libjpeg-turbo freetype libsdl2)
TEVRA_DEBIAN_MIRROR=${TEVRA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
TEVRA_DEBIAN_SUITE=${TEVRA_DEBIAN_SUITE:-bookworm}
# Bumped whenever the way the libraries are built changes, so that a cache made the old way is
# not taken for a new one.
TEVRA_WINDOWS_RECIPE=1

tevra_windows_cache_root() {
    if [ -n "${TEVRA_WINDOWS_CACHE:-}" ]; then
        echo "$TEVRA_WINDOWS_CACHE"
    elif [ "$(id -u)" -eq 0 ]; then
        echo /var/cache/tevra-windows
    else
        echo "${XDG_CACHE_HOME:-$HOME/.cache}/tevra-windows"
    fi
}

_tevra_win_log() { echo "tevra-windows: $*" >&2; }

# apt's own downloader: checks the given hash, speaks the machine's proxy settings. It warns when it
# runs as root over a folder its _apt user cannot write; that is expected here.
_tevra_win_fetch() {   # URL DEST [SHA256]
    local out
    if ! out=$(/usr/lib/apt/apt-helper download-file "$1" "$2" ${3:+SHA256:$3} 2>&1); then
        echo "$out" >&2
        _tevra_win_log "could not fetch $1"
        return 1
    fi
}

# Fetches the suite's signed index and its source list, checks the signature against Debian's
# archive keyring and the list against the signed hash, and prints the path of the list, unpacked.
_tevra_win_sources_index() {   # WORKDIR
    local dir=$1 url=$TEVRA_DEBIAN_MIRROR/dists/$TEVRA_DEBIAN_SUITE hash
    _tevra_win_fetch "$url/InRelease" "$dir/InRelease" || return 1
    # Only the signed text is read from here on.
    if ! gpgv --keyring /usr/share/keyrings/debian-archive-keyring.gpg --output "$dir/Release" \
        "$dir/InRelease" 2>"$dir/gpgv.log"; then
        cat "$dir/gpgv.log" >&2
        _tevra_win_log "the signature of $url/InRelease does not verify"
        return 1
    fi
    hash=$(awk '/^SHA256:/ { s = 1; next } /^[^ ]/ { s = 0 } s && $3 == "main/source/Sources.xz" { print $1 }' \
        "$dir/Release")
    [ -n "$hash" ] || { _tevra_win_log "no source index in $url/InRelease"; return 1; }
    _tevra_win_fetch "$url/main/source/Sources.xz" "$dir/Sources.xz" "$hash" || return 1
    xz -dc "$dir/Sources.xz" >"$dir/Sources"
    echo "$dir/Sources"
}

# Prints one source package's paragraph from the index.
_tevra_win_paragraph() {   # SOURCES PACKAGE
    awk -v RS= -v pkg="$2" '$0 ~ ("^Package: " pkg "\n") { print; exit }' "$1"
}

_tevra_win_field() {   # PARAGRAPH FIELD
    sed -n "s/^$2: //p" <<<"$1" | head -1
}

# Downloads every file of a source package, each checked against the hash the signed index gives,
# and unpacks it with its Debian patches applied into DEST.
_tevra_win_unpack() {   # SOURCES PACKAGE DOWNLOADS DEST
    local para dir name hash size dsc=""
    para=$(_tevra_win_paragraph "$1" "$2")
    [ -n "$para" ] || { _tevra_win_log "source package $2 is not in the index"; return 1; }
    dir=$(_tevra_win_field "$para" Directory)
    while read -r hash size name; do
        [ -n "$name" ] || continue
        if ! [ -f "$3/$name" ] || ! echo "$hash  $3/$name" | sha256sum -c --status; then
            _tevra_win_fetch "$TEVRA_DEBIAN_MIRROR/$dir/$name" "$3/$name" "$hash" || return 1
        fi
        case $name in *.dsc) dsc=$name ;; esac
    done < <(awk '/^Checksums-Sha256:/ { s = 1; next } /^[^ ]/ { s = 0 } s' <<<"$para")
    [ -n "$dsc" ] || { _tevra_win_log "no .dsc for $2"; return 1; }
    # dpkg-source checks each file against the .dsc's own hashes; the .dsc is checked above.
    rm -rf "$4"
    dpkg-source --no-check -x "$3/$dsc" "$4" >"$4.unpack.log" 2>&1 || {
        cat "$4.unpack.log" >&2; _tevra_win_log "could not unpack $dsc"; return 1; }
}

# Prints "package=version" for each source package, then the compiler's and googletest's
# versions: together with the recipe they name the cache folder.
_tevra_win_versions() {   # SOURCES
    local pkg para
    for pkg in "${TEVRA_WINDOWS_SOURCES[@]}"; do
        para=$(_tevra_win_paragraph "$1" "$pkg")
        echo "$pkg=$(_tevra_win_field "$para" Version)"
    done
    echo "gcc=$($TEVRA_WINDOWS_TRIPLET-gcc-posix -dumpfullversion)"
    echo "googletest=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null)"
    echo "recipe=$TEVRA_WINDOWS_RECIPE"
}

_tevra_win_cmake_lib() {   # SRC BUILD PREFIX [CMAKE ARGS...]
    local src=$1 bld=$2 prefix=$3
    shift 3
    cmake -S "$src" -B "$bld" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$TEVRA_WINDOWS_TOOLCHAIN" \
        -DTEVRA_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF "$@" >"$bld.log" 2>&1 &&
        cmake --build "$bld" -j "$(nproc)" >>"$bld.log" 2>&1 &&
        cmake --install "$bld" >>"$bld.log" 2>&1 ||
        { tail -40 "$bld.log" >&2; _tevra_win_log "building $(basename "$src") failed ($bld.log)"; return 1; }
}

# Builds the static libraries into PREFIX from the unpacked sources under SRC.
_tevra_win_build_libs() {   # SRC PREFIX
    local src=$1 prefix=$2 t=$TEVRA_WINDOWS_TRIPLET
    # Debian's zlib source carries no Windows makefile; its configure script cross-builds when told
    # the target by CHOST.
    _tevra_win_log "zlib"
    (cd "$src/zlib" && CHOST=$t CC=$t-gcc-posix AR=$t-ar RANLIB=$t-ranlib CFLAGS=-O2 \
        ./configure --static --prefix="$prefix" >../zlib.log 2>&1 &&
        make -j "$(nproc)" libz.a >>../zlib.log 2>&1 && make install >>../zlib.log 2>&1) ||
        { tail -40 "$src/zlib.log" >&2; _tevra_win_log "building zlib failed"; return 1; }
    _tevra_win_log "libpng"
    _tevra_win_cmake_lib "$src/libpng1.6" "$src/build-libpng" "$prefix" -DPNG_SHARED=OFF \
        -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF || return 1
    _tevra_win_log "libjpeg-turbo"
    _tevra_win_cmake_lib "$src/libjpeg-turbo" "$src/build-libjpeg-turbo" "$prefix" -DENABLE_SHARED=OFF \
        -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm || return 1
    # FreeType takes the same libz.a as libpng: its own copy of zlib would clash at the link.
    _tevra_win_log "freetype"
    _tevra_win_cmake_lib "$src/freetype" "$src/build-freetype" "$prefix" -DFT_REQUIRE_ZLIB=ON \
        -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON || return 1
    _tevra_win_log "SDL2"
    _tevra_win_cmake_lib "$src/libsdl2" "$src/build-libsdl2" "$prefix" -DSDL_SHARED=OFF -DSDL_STATIC=ON \
        -DSDL_TEST=OFF || return 1
    # The test framework from the machine's own googletest package, built for Windows.
    _tevra_win_log "googletest"
    _tevra_win_cmake_lib /usr/src/googletest "$src/build-googletest" "$prefix" -DBUILD_GMOCK=ON \
        -Dgtest_disable_pthreads=OFF || return 1
}

# Makes sure the static libraries are in the cache and prints the folder they are installed in.
# A warm cache (same package versions, compiler and recipe) is taken as it is.
tevra_windows_deps() {
    tevra_ensure_packages "${TEVRA_WINDOWS_PACKAGES[@]}" googletest >&2 || return 1
    local root work sources key prefix src pkg
    root=$(tevra_windows_cache_root)
    mkdir -p "$root/downloads"
    work=$(mktemp -d "$root/index.XXXXXX")
    sources=$(_tevra_win_sources_index "$work") || { rm -rf "$work"; return 1; }
    key=$(_tevra_win_versions "$sources" | sha256sum | cut -c1-16)
    prefix=$root/$key
    if [ -f "$prefix/.complete" ]; then
        rm -rf "$work"
        echo "$prefix"
        return 0
    fi
    _tevra_win_log "building the third-party libraries into $prefix (once; some minutes)"
    src=$work/src
    mkdir -p "$src"
    for pkg in "${TEVRA_WINDOWS_SOURCES[@]}"; do
        _tevra_win_unpack "$sources" "$pkg" "$root/downloads" "$src/$pkg" || { rm -rf "$work"; return 1; }
    done
    rm -rf "$prefix"
    if ! _tevra_win_build_libs "$src" "$prefix"; then
        _tevra_win_log "the build logs stay in $src"
        return 1
    fi
    _tevra_win_versions "$sources" >"$prefix/.complete"
    # The licences travel with the .exe in the zip.
    mkdir -p "$prefix/licenses"
    for pkg in "${TEVRA_WINDOWS_SOURCES[@]}"; do
        cp "$src/$pkg/debian/copyright" "$prefix/licenses/$pkg.copyright"
    done
    rm -rf "$work"
    echo "$prefix"
}

# Configures and builds the Windows game and its tests into DIR against the libraries in PREFIX;
# extra arguments go to CMake.
tevra_windows_build() {   # DIR PREFIX [CMAKE ARGS...]
    local dir=$1 prefix=$2
    shift 2
    tevra_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$TEVRA_WINDOWS_TOOLCHAIN" \
        -DTEVRA_WINDOWS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DTEVRA_BENCH=OFF "$@"
}

# The Wine prefix the tests run in, made once (about 10 s); later runs only check it.
tevra_wine_prefix() {
    export TEVRA_WINEPREFIX=${TEVRA_WINEPREFIX:-$(tevra_windows_cache_root)/wine-prefix}
    if [ ! -f "$TEVRA_WINEPREFIX/system.reg" ]; then
        mkdir -p "$TEVRA_WINEPREFIX"
        _tevra_win_log "making the Wine prefix $TEVRA_WINEPREFIX"
        WINEPREFIX=$TEVRA_WINEPREFIX WINEDLLOVERRIDES="mscoree=;mshtml=" WINEDEBUG=-all \
            DISPLAY= wineboot --init >/dev/null 2>&1
        WINEPREFIX=$TEVRA_WINEPREFIX wineserver -w
    fi
}

# Writes tevra-<version>-windows-x86_64.zip into DIST_DIR and prints its path: the stripped
# tevra.exe, the teachers' README (Indonesian and English, with Windows line ends) and every
# licence the .exe carries. Builds the .exe first (TEVRA_WINDOWS_BUILD_DIR, default
# build-windows/).
tevra_windows_package() {   # DIST_DIR
    local dist=$1 prefix build version stage name licenses
    tevra_ensure_packages "${TEVRA_BUILD_PACKAGES[@]}" "${TEVRA_WINDOWS_PACKAGES[@]}" >&2 || return 1
    prefix=$(tevra_windows_deps) || return 1
    build=${TEVRA_WINDOWS_BUILD_DIR:-$TEVRA_ROOT/build-windows}
    tevra_windows_build "$build" "$prefix" >&2 || return 1
    version=$(sed -n 's/^project(tevra VERSION \([0-9.]*\).*/\1/p' "$TEVRA_ROOT/CMakeLists.txt")
    name=tevra-$version-windows-x86_64
    mkdir -p "$dist"
    dist=$(cd "$dist" && pwd)
    stage=$(mktemp -d)
    mkdir -p "$stage/$name/licenses"
    $TEVRA_WINDOWS_TRIPLET-strip -o "$stage/$name/tevra.exe" "$build/app/tevra.exe" || return 1
    sed "s/@VERSION@/$version/; s/\$/\r/" "$TEVRA_ROOT/packaging/windows/README.txt" \
        >"$stage/$name/README.txt"
    licenses=$stage/$name/licenses
    if [ -f "$TEVRA_ROOT/LICENSE" ]; then
        cp "$TEVRA_ROOT/LICENSE" "$licenses/tevra.txt"
    else
        _tevra_win_log "warning: the tree has no LICENSE; the zip carries no licence of the game's own"
    fi
    # The faces inside the .exe: the pattern face (from DejaVu) and the stand-ins.
    cp "$TEVRA_ROOT/int/LICENSE-DejaVu.txt" "$licenses/pattern-font-DejaVu.txt"
    cp /usr/share/doc/fonts-dejavu-core/copyright "$licenses/fonts-dejavu.txt"
    cp /usr/share/doc/fonts-lato/copyright "$licenses/fonts-lato.txt"
    # The libraries linked in, and the compiler's runtime (libgcc, libstdc++, winpthreads).
    local file
    for file in "$prefix"/licenses/*.copyright; do
        cp "$file" "$licenses/$(basename "$file" .copyright).txt"
    done
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licenses/gcc-runtime.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$licenses/mingw-w64-runtime.txt"
    for file in "$licenses"/*.txt; do
        sed -i 's/\r\?$/\r/' "$file"
    done
    rm -f "$dist/$name.zip"
    (cd "$stage" && zip -q -r -X "$dist/$name.zip" "$name") || return 1
    rm -rf "$stage"
    echo "$dist/$name.zip"
}
