#!/usr/bin/env bash
# Installs what building and testing the calculator needs on Debian 12, skipping the
# packages that are already there. Uses sudo when not run as root.
#   tools/install-deps.sh [--fuzz]     (--fuzz adds clang for the libFuzzer targets)
set -euo pipefail
packages=(g++ make cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-wqy-microhei)
if [ "${1:-}" = "--fuzz" ]; then packages+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
