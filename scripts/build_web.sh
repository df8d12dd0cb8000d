#!/usr/bin/env bash
# Prepares the browser (WebAssembly) build under build-web/, in stages that
# each skip what is already done, so re-running is cheap:
#   1. installs the Debian packages it needs (emscripten...), only those missing;
#   2. fetches the Debian sources of the libraries through a private apt
#      sources list (build-web/apt/), leaving the machine's own apt setup alone;
#   3. builds SDL2, zlib, libpng, libjpeg-turbo, FreeType, SDL2_ttf, SDL2_mixer,
#      SDL2_gfx, pixman and cairo from their Debian sources as static libraries
#      into build-web/deps/ (include/, lib/);
#   4. builds the program (web/CMakeLists.txt) with the desktop build's data
#      into build-web/: index.html, index.js, index.wasm and index.data,
#      which any static web server serves (python3 -m http.server -d build-web).
# Everything comes from Debian packages or Debian source packages: emscripten's
# own downloaded ports are not used.
# JOBS sets the build's parallel jobs (default 2).
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
ROOT=$PWD
OUT=$ROOT/build-web
APT_DIR=$OUT/apt
SRC_DIR=$OUT/src
DEPS=$OUT/deps
JOBS="${JOBS:-2}"

# emscripten's JavaScript tools (acorn, for optimised links) are Debian node
# modules; a node that is not Debian's does not look for them there.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

stage() { echo "== $*"; }

# --- 1. Debian packages -----------------------------------------------------

PACKAGES=(emscripten cmake ninja-build dpkg-dev debian-archive-keyring fonts-dejavu-core autotools-dev
  fluidsynth timgm6mb-soundfont vorbis-tools)

install_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  stage "installing ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# --- 2. the libraries' Debian sources -------------------------------------------

# Prints "URI SUITE KEYRING" of the machine's main Debian archive (not the
# security one), read from its apt sources in either format.
debian_archive() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk '
      function flush() {
        if (types ~ /(^| )deb( |$)/ && uri ~ /debian/ && uri !~ /security/ && !done) {
          split(suites, s, " "); print uri, s[1], (key == "" ? "-" : key); done = 1
        }
        types = uri = suites = key = ""
      }
      /^[ \t]*$/ { flush(); next }
      /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
      /^URIs:/ { uri = $2 }
      /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
      /^Signed-By:/ { key = $2 }
      END { flush() }' "$f"
  done
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -e 's/\[[^]]*\]//' "$f" |
      awk '$1 == "deb" && $2 ~ /debian/ && $2 !~ /security/ { print $2, $3, "-" }'
  done
}

APT_OPTS=(
  -o "Dir::Etc::sourcelist=$APT_DIR/sources.list"
  -o "Dir::Etc::sourceparts=$APT_DIR/sources.list.d"
  -o "Dir::State::Lists=$APT_DIR/lists"
  -o "Dir::Cache=$APT_DIR/cache"
)

write_sources_list() {
  [ -f "$APT_DIR/sources.list" ] && return 0
  local uri suite key
  read -r uri suite key < <(debian_archive | head -n 1) || true
  if [ -z "${uri:-}" ]; then
    echo "build_web: no Debian archive found in /etc/apt/sources*" >&2
    exit 1
  fi
  [ "$key" = "-" ] && key=/usr/share/keyrings/debian-archive-keyring.gpg
  mkdir -p "$APT_DIR/sources.list.d" "$APT_DIR/lists/partial" "$APT_DIR/cache/archives/partial"
  echo "deb-src [signed-by=$key] $uri $suite main" > "$APT_DIR/sources.list"
  stage "private sources list: $(cat "$APT_DIR/sources.list")"
}

# Unpacks Debian's source package $1 into build-web/src/ once.
fetch_source() {
  local package=$1
  if compgen -G "$SRC_DIR/$package-[0-9]*/" > /dev/null; then return 0; fi
  write_sources_list
  if ! compgen -G "$APT_DIR/lists/*Sources*" > /dev/null; then
    stage "apt-get update (private lists)"
    apt-get "${APT_OPTS[@]}" update -q
  fi
  stage "fetching the source of $package"
  mkdir -p "$SRC_DIR"
  (cd "$SRC_DIR" && apt-get "${APT_OPTS[@]}" source -q "$package")
}

# --- 3. the libraries, for the browser -----------------------------------------

# emcmake's default emulator for the checks that run a compiled program passes
# node a flag that node 20 refuses (exit 9), which CMake would then take for the
# checked size of a type.
EMULATOR="-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node);--no-experimental-fetch"

# The unpacked Debian source folder of package $1, fetched if missing.
source_dir() {
  fetch_source "$1" >&2
  compgen -G "$SRC_DIR/$1-[0-9]*/" | head -n 1 | grep .
}

# The unpacked source of $1: Debian's or, when the archive lacks Debian's
# packaging file of this version (seen for libsdl2-gfx and pixman), the
# upstream tarball that apt fetched, used as it is, without Debian's patches.
source_or_upstream() {
  local orig
  if source_dir "$1" 2> /dev/null; then return 0; fi
  orig=$(compgen -G "$SRC_DIR/$1_*.orig.tar.*" | head -n 1 | grep .)
  stage "using $(basename "$orig") without Debian's packaging" >&2
  mkdir -p "$SRC_DIR/$1-upstream"
  tar -xf "$orig" -C "$SRC_DIR/$1-upstream" --strip-components=1
  echo "$SRC_DIR/$1-upstream"
}

# Configures, builds and installs the CMake project of $1 into build-web/deps/.
build_cmake_dep() {
  local name=$1 source=$2
  shift 2
  local started=$SECONDS
  stage "building $name (-j$JOBS)"
  emcmake cmake -S "$source" -B "$OUT/build-deps/$name" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS" \
    -DCMAKE_PREFIX_PATH="$DEPS" -DCMAKE_FIND_ROOT_PATH="$DEPS" "$EMULATOR" "$@"
  cmake --build "$OUT/build-deps/$name" -j "$JOBS"
  cmake --install "$OUT/build-deps/$name"
  stage "$name built in $((SECONDS - started)) s"
}

build_sdl2() {
  [ -f "$DEPS/lib/libSDL2.a" ] && return 0
  # No threads: a page only gets them with cross-origin isolation headers.
  local source
  source=$(source_dir libsdl2)
  build_cmake_dep sdl2 "$source" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
    -DSDL_PTHREADS=OFF
}

# zlib's CMake project needs a Windows resource file that Debian's source
# drops, so its own configure script builds it, inside the unpacked source.
build_zlib() {
  [ -f "$DEPS/lib/libz.a" ] && return 0
  local source started=$SECONDS
  source=$(source_dir zlib)
  stage "building zlib (-j$JOBS)"
  (cd "$source" && emconfigure ./configure --static --prefix="$DEPS" &&
    emmake make -j "$JOBS" libz.a && emmake make install)
  stage "zlib built in $((SECONDS - started)) s"
}

build_png() {
  [ -f "$DEPS/lib/libpng.a" ] && return 0
  local source
  source=$(source_dir libpng1.6)
  build_cmake_dep png "$source" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_LIBRARY="$DEPS/lib/libz.a" -DZLIB_INCLUDE_DIR="$DEPS/include"
}

# The SIMD code is x86/ARM assembly; the portable C code is used instead.
build_jpeg() {
  [ -f "$DEPS/lib/libjpeg.a" ] && return 0
  local source
  source=$(source_dir libjpeg-turbo)
  build_cmake_dep jpeg "$source" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
}

# Only the TrueType driver matters: the optional compressed and colour font
# formats would each need one more library. Its gzip support is given our
# zlib: its own copy of zlib's inflate would clash with it at link time.
build_freetype() {
  [ -f "$DEPS/lib/libfreetype.a" ] && return 0
  local source
  source=$(source_dir freetype)
  build_cmake_dep freetype "$source" -DBUILD_SHARED_LIBS=OFF -DFT_REQUIRE_ZLIB=ON \
    -DZLIB_LIBRARY="$DEPS/lib/libz.a" -DZLIB_INCLUDE_DIR="$DEPS/include" \
    -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

build_ttf() {
  [ -f "$DEPS/lib/libSDL2_ttf.a" ] && return 0
  local source
  source=$(source_dir libsdl2-ttf)
  build_cmake_dep ttf "$source" -DBUILD_SHARED_LIBS=OFF -DSDL2TTF_SAMPLES=OFF \
    -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2_DIR="$DEPS/lib/cmake/SDL2" \
    -DFREETYPE_LIBRARY="$DEPS/lib/libfreetype.a" -DFREETYPE_INCLUDE_DIRS="$DEPS/include/freetype2"
}

# Sounds are WAV; music is MIDI, played by the built-in timidity synthesiser
# (it needs GUS patches at run time) or given as Ogg Vorbis (stb_vorbis,
# built in). Every other format is left out.
build_mixer() {
  [ -f "$DEPS/lib/libSDL2_mixer.a" ] && return 0
  local source
  source=$(source_dir libsdl2-mixer)
  build_cmake_dep mixer "$source" -DBUILD_SHARED_LIBS=OFF -DSDL2_DIR="$DEPS/lib/cmake/SDL2" \
    -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MIDI=ON \
    -DSDL2MIXER_MIDI_FLUIDSYNTH=OFF -DSDL2MIXER_MIDI_NATIVE=OFF -DSDL2MIXER_MIDI_TIMIDITY=ON
}

# SDL2_gfx has no CMake project: its three C files are compiled directly
# (the image filters are x86 assembly and unused).
build_gfx() {
  [ -f "$DEPS/lib/libSDL2_gfx.a" ] && return 0
  local source started=$SECONDS
  source=$(source_or_upstream libsdl2-gfx)
  stage "building gfx"
  local objects="$OUT/build-deps/gfx" f
  mkdir -p "$objects" "$DEPS/lib" "$DEPS/include/SDL2"
  for f in SDL2_gfxPrimitives SDL2_rotozoom SDL2_framerate; do
    emcc -O2 -I"$DEPS/include/SDL2" -c "$source/$f.c" -o "$objects/$f.o"
    cp "$source/$f.h" "$DEPS/include/SDL2/"
  done
  cp "$source/SDL2_gfxPrimitives_font.h" "$DEPS/include/SDL2/"
  emar rcs "$DEPS/lib/libSDL2_gfx.a" "$objects"/*.o
  stage "gfx built in $((SECONDS - started)) s"
}

# pixman and cairo use autotools, built inside their unpacked sources.
# emconfigure gives pkg-config only EM_PKG_CONFIG_PATH; --host makes it a
# cross build, whose configure would otherwise try to run what it compiles.
AUTOTOOLS_HOST=--host=wasm32-unknown-emscripten
export EM_PKG_CONFIG_PATH="$DEPS/lib/pkgconfig"

# Only the library itself, in portable C (the SIMD paths are assembly).
build_pixman() {
  [ -f "$DEPS/lib/libpixman-1.a" ] && return 0
  local source started=$SECONDS
  source=$(source_or_upstream pixman)
  stage "building pixman (-j$JOBS)"
  (cd "$source" && emconfigure ./configure "$AUTOTOOLS_HOST" --prefix="$DEPS" --disable-shared \
    --enable-static --disable-openmp --disable-mmx --disable-sse2 --disable-ssse3 --disable-vmx \
    --disable-arm-simd --disable-arm-neon --disable-gtk --disable-libpng &&
    emmake make -j "$JOBS" -C pixman && emmake make -C pixman install &&
    cp pixman-1.pc "$DEPS/lib/pkgconfig/")
  stage "pixman built in $((SECONDS - started)) s"
}

# The image, recording, PDF and PNG parts with FreeType fonts; no fontconfig,
# so text needs a FreeType font face (the toy font API falls back to cairo's
# built-in stroke font). Debian's source has an old config.sub that does not
# know the target and timestamps that make would take for a reason to rerun
# autotools: the current config.sub is used and autotools are not rerun.
build_cairo() {
  [ -f "$DEPS/lib/libcairo.a" ] && return 0
  local source started=$SECONDS
  local no_autotools=(ACLOCAL=true AUTOCONF=true AUTOMAKE=true AUTOHEADER=true)
  source=$(source_dir cairo)
  stage "building cairo (-j$JOBS)"
  cp /usr/share/misc/config.sub /usr/share/misc/config.guess "$source/build/"
  (cd "$source" && ax_cv_c_float_words_bigendian=no emconfigure ./configure "$AUTOTOOLS_HOST" \
    --prefix="$DEPS" --disable-shared --enable-static --enable-pdf --enable-png --enable-ft \
    --disable-fc --disable-xlib --disable-xlib-xrender --disable-xcb --disable-gobject --disable-trace \
    --disable-interpreter --disable-script --disable-ps --disable-svg --disable-full-testing \
    --disable-valgrind --disable-symbol-lookup CPPFLAGS="-I$DEPS/include" LDFLAGS="-L$DEPS/lib" &&
    emmake make -j "$JOBS" "${no_autotools[@]}" -C src libcairo.la &&
    emmake make "${no_autotools[@]}" -C src install-libLTLIBRARIES install-cairoincludeHEADERS \
      install-nodist_cairoincludeHEADERS)
  stage "cairo built in $((SECONDS - started)) s"
}

# --- 4. the program -------------------------------------------------------------

# The program's data as the desktop build writes it (word lists made from the
# system's, grids, pictures, sounds, texts), with each MIDI piece also
# rendered to Ogg Vorbis by FluidSynth with the sound font the desktop plays
# it with: the browser build plays the Ogg. Copied again only when the
# desktop build changed it.
stage_data() {
  local data=$OUT/data app=$ROOT/build/app
  ./scripts/deps.sh
  ./scripts/build.sh
  if [ -f "$data/stamp" ] && [ -z "$(find "$app" -newer "$data/stamp" -print -quit)" ]; then return 0; fi
  stage "copying the program's data"
  rm -rf "$data"
  mkdir -p "$data"
  cp -a "$app/." "$data/"
  rm -f "$data/glossamo"
  local midi ogg wav=$OUT/music.wav
  for midi in "$data"/music/*.mid; do
    ogg=${midi%.mid}.ogg
    stage "rendering $(basename "$midi") to Ogg Vorbis"
    fluidsynth -ni -q -g 0.6 -r 44100 -F "$wav" /usr/share/sounds/sf2/TimGM6mb.sf2 "$midi" > /dev/null
    oggenc -Q -q 2 -o "$ogg" "$wav"
  done
  rm -f "$wav"
  touch "$data/stamp"
}

# The page (index.html), its script, the WebAssembly and the data package,
# written at the top of build-web/.
build_program() {
  local started=$SECONDS
  stage "building the program for the browser (-j$JOBS)"
  if [ ! -f "$OUT/program/build.ninja" ]; then
    emcmake cmake -S "$ROOT/web" -B "$OUT/program" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DDEPS="$DEPS" -DDATA="$OUT/data" -DSITE="$OUT" "$EMULATOR"
  fi
  cmake --build "$OUT/program" -j "$JOBS"
  stage "program built in $((SECONDS - started)) s: $OUT/index.html"
}

install_packages
build_sdl2
build_zlib
build_png
build_jpeg
build_freetype
build_ttf
build_mixer
build_gfx
build_pixman
build_cairo
stage_data
build_program
