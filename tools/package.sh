#!/bin/sh
# make package: build/JauntMFD.zip, laid out as the simulator's folder tree:
# the module for the real host in Modules/Plugin, and the tree in package/
# (the carrier's vessel class). Checks what it wrote.
set -eu
cd "$(dirname "$0")/.."
cmake --preset msvc-i686 >/dev/null
cmake --build --preset msvc-i686 --target JauntMFD
stage=build/package
zip="$PWD/build/JauntMFD.zip"
rm -rf "$stage" "$zip"
mkdir -p "$stage/Modules/Plugin"
cp -R package/. "$stage/"
cp build/msvc-i686/bin/JauntMFD.dll "$stage/Modules/Plugin/"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip --mtime=2026-01-01 Config Modules)

listed=$(cmake -E tar tf "$zip")
for entry in Modules/Plugin/JauntMFD.dll Config/Vessels/jauntdummy.cfg; do
  if ! echo "$listed" | grep -qx "$entry"; then
    echo "package: $entry missing from $zip" >&2
    exit 1
  fi
done
echo "package: $zip"
