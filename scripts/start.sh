#!/usr/bin/env bash
# Installs what is missing, builds Tessarin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tessarin
exec build/release/bin/tessarin "$@"
