# Installs the Debian packages the build, the tests and the window need, only those missing.
# Sourced by scripts/run, scripts/test and scripts/bench.

OMBREL_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libicu-dev libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic fontconfig poppler-utils
)

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
