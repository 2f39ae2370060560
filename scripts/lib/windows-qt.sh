# The static Qt for 64-bit Windows that the Windows build links: Qt 6.4.2 from Debian 12's own
# qt6-base source, cross-built with Debian's MinGW-w64 GCC, the same version as the Linux build.
#   ombrel_windows_qt ROOT   prints the Qt folder, making it first when it is not there yet
# It comes from a prebuilt archive when one is found (its SHA-256 checked against the .sha256
# file beside it): in $OMBREL_WINDOWS_PREBUILT when that is set, else in ROOT/../shared/windows.
# Otherwise Qt is built here from Debian's source (about 12 to 25 minutes on two cores). Either
# way it lands in ROOT/build/windows-qt and is reused from there.
# Sourced after scripts/lib/debian-source.sh.

OMBREL_QT_NAME=qt-6.4.2-mingw64-static

# The configure options of the Windows Qt: the modules and plugins the programs and tests use,
# everything third-party from Qt's own tree, so that no MinGW library package is needed.
# - No tablet input: Debian's tarball lacks the Wintab header.
# - No DirectWrite 3 without Direct2D: Qt 6.4 compiles its DirectWrite font database only with
#   Direct2D, so the GDI one (6.4's default) is used.
OMBREL_QT_CONFIGURE=(
  -xplatform win32-g++ -qt-host-path /usr -release -static -static-runtime
  -nomake tests -nomake examples
  -no-opengl -no-dbus -no-icu -no-zstd -no-direct2d
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-printsupport
  -no-feature-vulkan -no-feature-tabletevent -no-feature-directwrite3
  -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
)

ombrel_windows_qt() {
  local root=$1
  local cache=$root/build/windows-qt
  local qt=$cache/$OMBREL_QT_NAME
  local prebuilt=${OMBREL_WINDOWS_PREBUILT-$root/../shared/windows}
  local archive=$prebuilt/$OMBREL_QT_NAME.tar.xz
  local origin=
  if [ -f "$archive" ] && [ -f "$archive.sha256" ]; then
    origin="prebuilt $(cut -d' ' -f1 "$archive.sha256")"
  fi
  # A Qt made earlier is used as it is; a prebuilt archive of other contents replaces an unpacked
  # one, so that the build never mixes two Qts.
  if [ -f "$qt/.ombrel-origin" ]; then
    local had
    had=$(cat "$qt/.ombrel-origin")
    if [ -z "$origin" ] || [ "$had" = "$origin" ] || [ "${had%% *}" = source ]; then
      echo "$qt"
      return 0
    fi
  fi
  rm -rf "$qt"
  mkdir -p "$cache"
  if [ -n "$origin" ]; then
    echo "Unpacking the prebuilt Qt for Windows from $prebuilt..." >&2
    (cd "$prebuilt" && sha256sum --quiet -c "$OMBREL_QT_NAME.tar.xz.sha256") >&2 || {
      echo "$archive does not match its SHA-256; not used." >&2
      return 1
    }
    tar -xJf "$archive" -C "$cache"
    [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || {
      echo "$archive holds no $OMBREL_QT_NAME folder" >&2
      return 1
    }
    echo "$origin" >"$qt/.ombrel-origin"
  else
    ombrel_build_windows_qt "$root" "$qt" || return 1
  fi
  echo "$qt"
}

# Builds Qt from Debian's qt6-base source into PREFIX. The host's moc, rcc and uic (Debian's
# qt6-base-dev-tools, the same version) run during the build.
ombrel_build_windows_qt() {
  local root=$1 prefix=$2
  local work=$root/build/windows-qt/work
  echo "No prebuilt Qt for Windows found: building it from Debian's qt6-base source" \
       "(about 12 to 25 minutes on two cores)..." >&2
  local source
  source=$(ombrel_debian_source qt6-base "$work") || return 1
  local version
  version=$(cd "$source" && dpkg-parsechangelog -S Version)
  mkdir -p "$prefix/lib/cmake"
  # The toolchain file goes inside the Qt folder, where Qt's own qt.toolchain.cmake finds it
  # wherever the folder is moved.
  cp "$root/cmake/mingw-w64-x86_64.cmake" "$prefix/lib/cmake/mingw-w64-x86_64.cmake"
  rm -rf "$work/build"
  mkdir -p "$work/build"
  local log=$work/build.log
  if ! (cd "$work/build" &&
        "$source/configure" -prefix "$prefix" "${OMBREL_QT_CONFIGURE[@]}" -- -G Ninja \
          -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/mingw-w64-x86_64.cmake" \
          -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
        cmake --build . --parallel "$(nproc)" &&
        cmake --install .) >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "Building Qt for Windows failed; the whole log is $log" >&2
    return 1
  fi
  echo "source $version" >"$prefix/.ombrel-origin"
  # 2.5 GB of objects and the source are not kept once Qt is installed.
  rm -rf "$work"
}
