# Installs the Debian packages a script needs, only those missing. Sourced by the scripts, which
# name what they need beyond the clock:
#   ombrel_install_missing                               the clock (scripts/run)
#   ombrel_install_missing "${OMBREL_TEST_PACKAGES[@]}"  and so on

# Building the clock and the report (libxlsxwriter writes its Excel workbook; Debian's
# xlsxwriter.pc links zlib, whose -dev package it does not pull in), showing the clock with Qt's
# own dialogs in Japanese (the Windows build compiles in the same catalogue).
OMBREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libicu-dev libxlsxwriter-dev zlib1g-dev
  fonts-ipafont-gothic fontconfig qt6-translations-l10n
)
# Making the Debian package: dpkg-shlibdeps (dpkg-dev) and file, which CPack runs.
OMBREL_PACKAGE_PACKAGES=(dpkg-dev file)
# The tests build the package and check it with lintian, validate the desktop entry, and read the
# PDF report (poppler) and the workbook (unzip).
OMBREL_TEST_PACKAGES=(libgtest-dev desktop-file-utils poppler-utils unzip lintian
  "${OMBREL_PACKAGE_PACKAGES[@]}")
OMBREL_BENCH_PACKAGES=(libgtest-dev libbenchmark-dev)

. "$(dirname "${BASH_SOURCE[0]}")/progress.sh"

# Says which packages are missing and the one command that installs them, for a person who can
# neither install as root nor through sudo; ends the script with status 1.
ombrel_tell_install_as_root() {
  {
    echo "scripts/$(basename "$0"): these Debian packages are missing: $*"
    echo "Install them as root (or ask whoever looks after this machine), then run $0 again:"
    echo "  su -c 'apt-get update && apt-get install --no-install-recommends $*'"
  } >&2
  exit 1
}

ombrel_install_missing() {
  local missing=()
  local pkg
  for pkg in "${OMBREL_PACKAGES[@]}" "$@"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
  done
  ((${#missing[@]})) || return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || ombrel_tell_install_as_root "${missing[@]}"
    sudo=(sudo)
  fi
  echo "Installing ${#missing[@]} missing Debian packages: ${missing[*]}"
  local log
  log=$(mktemp)
  echo "  reading the package lists (apt-get update)"
  if ! "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 update -q >"$log" 2>&1 ||
    ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 \
      install -y -q --no-install-recommends "${missing[@]}" 2>&1 | tee -a "$log" | ombrel_apt_steps
  then
    cat "$log" >&2
    rm -f "$log"
    ((${#sudo[@]})) && ombrel_tell_install_as_root "${missing[@]}"
    echo "scripts/$(basename "$0"): apt-get could not install ${missing[*]}; its output is above." >&2
    exit 1
  fi
  rm -f "$log"
}
