#!/bin/sh
# Formats every C++ source of the project with the root .clang-format.
set -eu
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format -i
