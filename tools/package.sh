#!/bin/sh
# make package: what a pilot downloads, one zip per Windows build of the
# module, into build/: JauntMFD-<version>-x86.zip from the msvc-i686 build,
# for the 32-bit host, and JauntMFD-<version>-x64.zip from the msvc-x86_64
# build, for the 64-bit host.
# Given presets, it packs those builds only. Each zip is laid out as the
# host's folder tree (package/CMakeLists.txt) and checked here: the module,
# the carrier's class, the manual and the licence, every scenario of
# package/Scenarios/Jaunt, and the version CMakeLists.txt sets, in the zip's
# name, in the module's version resource and in the manual. A miss fails.
set -eu
cd "$(dirname "$0")/.."

# The Windows builds of the module: preset=host build, as the zips name it.
builds="msvc-i686=x86 msvc-x86_64=x64"

fail() {
  echo "package: $*" >&2
  exit 1
}

version=$(sed -n 's/^project(JauntMFD VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no version in CMakeLists.txt's project()"
presets=${*:-$(for build in $builds; do echo "${build%%=*}"; done)}

# Checks one zip, unpacked into a folder of its own. (Shell functions share
# their variables with the caller: these names are the check's alone.)
check() {
  zip=$1
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' EXIT
  (cd "$unpacked" && cmake -E tar xf "$zip") || fail "$zip cannot be unpacked"
  for entry in Modules/Plugin/JauntMFD.dll Config/Vessels/jauntdummy.cfg \
               Doc/JauntMFD/JauntMFD.html Doc/JauntMFD/LICENSE.txt; do
    [ -f "$unpacked/$entry" ] || fail "$entry missing from $zip"
  done
  count=0
  for scenario in package/Scenarios/Jaunt/*.scn; do
    [ -f "$scenario" ] || continue
    entry=${scenario#package/}
    cmp -s "$scenario" "$unpacked/$entry" || fail "$entry missing from $zip, or not as in package/"
    count=$((count + 1))
  done
  [ "$count" -ge 2 ] || fail "$zip has fewer than two scenarios ($count); a pilot is promised two"
  # FileVersion and ProductVersion, as Windows shows them (UTF-16 strings).
  strings -el "$unpacked/Modules/Plugin/JauntMFD.dll" | grep -qx "$version" ||
    fail "the version resource of JauntMFD.dll in $zip does not say $version"
  grep -q "JauntMFD $version" "$unpacked/Doc/JauntMFD/JauntMFD.html" ||
    fail "the manual in $zip does not name version $version"
  grep -q "MIT License" "$unpacked/Doc/JauntMFD/LICENSE.txt" || fail "the licence in $zip is not MIT's"
  rm -rf "$unpacked"
  trap - EXIT
}

for preset in $presets; do
  host=
  for build in $builds; do
    [ "${build%%=*}" = "$preset" ] && host=${build#*=}
  done
  [ -n "$host" ] || fail "$preset is no Windows build of the module (known: $builds)"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target package_zip
  name="JauntMFD-$version-$host.zip"
  built="$PWD/build/$preset/package/$name"
  [ -f "$built" ] || fail "$preset made no $name"
  check "$built"
  cp "$built" "build/$name"
  echo "package: build/$name"
done
