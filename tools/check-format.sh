#!/bin/sh
# clang-format check of the project's own C++ files against .clang-format.
# With --fix, formats them in place instead.
set -eu
cd "$(dirname "$0")/.."

files=$(git ls-files 'src/*.cpp' 'src/*.h' 'host/*.cpp' 'host/*.h' 'tests/*.cpp' 'tests/*.h' \
  'sim/*.cpp' 'sim/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = "--fix" ]; then
  echo "$files" | xargs clang-format -i
  exit 0
fi
echo "clang-format: checking $(echo "$files" | wc -l) files"
echo "$files" | xargs clang-format --dry-run -Werror
echo "clang-format: all formatted"
