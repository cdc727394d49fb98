#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# Runs as root (the machines of this project are), never downloads anything else.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libreadstat-dev libcli11-dev libfmt-dev nlohmann-json3-dev libreadline-dev
  libboost-math-dev librsvg2-bin zlib1g-dev librsvg2-dev libcairo2-dev libssl-dev unzip libxml2-utils
  clang libclang-rt-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}" >&2
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
