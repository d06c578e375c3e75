#!/usr/bin/env bash
# Installs what is missing, builds the program and the converter, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default --target glyphwright glyphwright-cli
exec ./build/default/src/glyphwright "$@"
