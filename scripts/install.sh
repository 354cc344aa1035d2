#!/usr/bin/env bash
# Builds tivrel-cpuid optimised (the release preset) and installs it into PREFIX/bin, by default
# /usr/local/bin. Usage: scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh tool
cmake --preset release >/dev/null
cmake --build --preset release --target tivrel-cpuid -j"$(nproc)"
cmake --install build/release --prefix "${1:-/usr/local}"
