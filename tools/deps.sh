#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need,
# running "apt-get update" once and only when something is missing.
glodanje_packages=(
  cmake ninja-build g++ lld pkg-config python3
  qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libgif-dev
  fontconfig fonts-liberation fonts-dejavu-core
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream help2man dpkg-dev file shared-mime-info
)

ensure_deps() {
  local missing=() pkg
  for pkg in "${glodanje_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
