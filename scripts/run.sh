#!/usr/bin/env bash
# Installs what is missing, builds Mevrolin (release) and starts it from the project folder,
# which is then the program folder: the unit library DATA/ and the help file lie beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target mevrolin
exec ./build/release/src/mevrolin "$@"
