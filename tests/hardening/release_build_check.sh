#!/bin/sh
# Builds the probe of this source tree as a release is built (Release, without Qt, so that it is
# quick) and checks its hardening.
#   release_build_check.sh SOURCE_DIR BUILD_DIR CXX_COMPILER
set -u
source_dir=${1:?}
build_dir=${2:?}
compiler=${3:?}
here=$(dirname "$0")
mkdir -p "$build_dir"
log="$build_dir/build.log"
if ! { cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVERTOLA_UI=OFF -DVERTOLA_TESTS=OFF \
         -DVERTOLA_SANITIZE=OFF -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON &&
       cmake --build "$build_dir" -j2 --target vertola_hardening_probe; } >"$log" 2>&1; then
  cat "$log"
  echo "error: the release build of the probe failed"
  exit 1
fi
exec sh "$here/check_hardening.sh" --compile-commands "$build_dir/compile_commands.json" \
  "$build_dir/vertola_hardening_probe"
