#!/usr/bin/env bash
# Fails when a C++ source of the project is not formatted by the project's .clang-format.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "Sources are formatted."
