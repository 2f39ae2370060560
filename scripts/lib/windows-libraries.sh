# C libraries the Windows build links beyond Qt, cross-built as static libraries from Debian's own
# source packages with the programs' toolchain (cmake/mingw-w64-x86_64.cmake), into
# ROOT/build/windows-libs, where the Windows configure finds them; each is built once and reused.
#   ombrel_windows_library ROOT PACKAGE [CMAKE OPTION...]
# Sourced after scripts/lib/debian-source.sh.

ombrel_windows_library() {
  local root=$1 package=$2
  shift 2
  local prefix=$root/build/windows-libs
  local done=$prefix/share/ombrel/$package.version
  [ -f "$done" ] && return 0
  echo "Building $package for Windows from Debian's source..." >&2
  local work=$root/build/windows-libs-work/$package
  local source version
  source=$(ombrel_debian_source "$package" "$work") || return 1
  version=$(cd "$source" && dpkg-parsechangelog -S Version)
  local log=$work/build.log
  if ! { cmake -S "$source" -B "$work/build" -G Ninja \
           -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
           -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" \
           "$@" &&
         cmake --build "$work/build" &&
         cmake --install "$work/build"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "Building $package for Windows failed; the whole log is $log" >&2
    return 1
  fi
  mkdir -p "$(dirname "$done")"
  echo "$version" >"$done"
  rm -rf "$work"
}
