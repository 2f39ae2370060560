# Installs the Debian packages a script needs, only those missing. Sourced by the scripts, which
# name what they need beyond the clock:
#   ombrel_install_missing                               the clock (scripts/run)
#   ombrel_install_missing "${OMBREL_TEST_PACKAGES[@]}"  and so on

# Building the clock and the report (libxlsxwriter writes its Excel workbook), showing the clock.
OMBREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libicu-dev libxlsxwriter-dev
  fonts-ipafont-gothic fontconfig
)
# Making the Debian package: dpkg-shlibdeps (dpkg-dev) and file, which CPack runs.
OMBREL_PACKAGE_PACKAGES=(dpkg-dev file)
# The tests build the package, validate the desktop entry, read the PDF report (poppler) and
# the workbook (unzip).
OMBREL_TEST_PACKAGES=(libgtest-dev desktop-file-utils poppler-utils unzip
  "${OMBREL_PACKAGE_PACKAGES[@]}")
OMBREL_BENCH_PACKAGES=(libgtest-dev libbenchmark-dev)

ombrel_install_missing() {
  local missing=()
  local pkg
  for pkg in "${OMBREL_PACKAGES[@]}" "$@"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -q \
    --no-install-recommends "${missing[@]}"
}
