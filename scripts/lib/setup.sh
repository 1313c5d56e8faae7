# Installs what building and testing cuepad needs on Debian 12, only when something is missing.
# Sourced by scripts/run and scripts/test.

cuepad_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev googletest libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei locales
  opencc python3 libx11-dev
)

cuepad_install_missing() {
  local missing=()
  for package in "${cuepad_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
  # Wine runs with code page 936 only under a generated Chinese locale.
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *zh_CN.UTF-8/zh_CN.UTF-8/' /etc/locale.gen
    $sudo locale-gen
  fi
}

# A private Wine prefix for one run; cuepad_wine_end stops its wineserver only.
cuepad_wine_begin() {
  export WINEPREFIX="${1:-$(mktemp -d /tmp/cuepad-wine.XXXXXX)}"
  export WINEDEBUG=-all
  export LC_ALL=zh_CN.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

cuepad_wine_end() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
