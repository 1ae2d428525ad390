#!/bin/sh
# The check must name what is missing: the probe is built hardened, then once without each
# protection in turn, and each build must fail the check for that protection alone.
#   self_test.sh CXX_COMPILER SOURCE_DIR WORK_DIR
set -u
compiler=${1:?}
source_dir=${2:?}
work=${3:?}
check="$(dirname "$0")/check_hardening.sh"
mkdir -p "$work"

hardened_compile="-O2 -fstack-protector-strong -D_FORTIFY_SOURCE=2 -fPIE"
hardened_link="-pie -Wl,-z,relro -Wl,-z,now"
failures=0

# build NAME EXTRA_COMPILE_FLAGS EXTRA_LINK_FLAGS: the probe with the hardened flags, then the extra ones.
build() {
  # shellcheck disable=SC2086
  "$compiler" -std=c++20 $hardened_compile $2 -I"$source_dir/src" \
    "$source_dir/tests/hardening/probe.cpp" "$source_dir/src/arithmetic/numeric_reading.cpp" \
    $hardened_link $3 -o "$work/$1" || { echo "error: cannot build $1"; exit 1; }
}

# expect NAME WANTED [CHECK ARGUMENTS...]: WANTED is "" for a pass, else the one protection missing.
expect() {
  name=$1
  wanted=$2
  shift 2
  output=$(sh "$check" "$@")
  status=$?
  found=$(echo "$output" | sed -n 's/^missing: [^:]*: \([^:]*\):.*/\1/p' | sort -u | tr '\n' ' ' | sed 's/ $//')
  if [ -z "$wanted" ] && [ $status -eq 0 ] && [ -z "$found" ]; then
    echo "ok: $name passes"
  elif [ -n "$wanted" ] && [ $status -ne 0 ] && [ "$found" = "$wanted" ]; then
    echo "ok: $name fails for $wanted"
  else
    echo "FAILED: $name: expected ${wanted:-a pass}, got status $status and missing '${found}':"
    echo "$output"
    failures=$((failures + 1))
  fi
}

build hardened "" ""
build no_pie "-fno-pie" "-no-pie"
build no_relro "" "-Wl,-z,norelro"
build lazy_binding "" "-Wl,-z,lazy"
build no_stack_protector "-fno-stack-protector" ""
build no_fortify "-U_FORTIFY_SOURCE" ""

expect "hardened probe" "" "$work/hardened"
expect "probe without PIE" "PIE" "$work/no_pie"
expect "probe without RELRO" "RELRO" "$work/no_relro"
expect "probe bound lazily" "BIND_NOW" "$work/lazy_binding"
expect "probe without stack protector" "stack protector" "$work/no_stack_protector"
expect "probe without fortification" "FORTIFY_SOURCE" "$work/no_fortify"

# A program with no call to fortify passes only on the word of its compile commands.
entry() {
  printf '{\n  "directory": "%s",\n  "command": "/usr/bin/c++ %s -o x.o -c x.cpp",\n  "file": "x.cpp"\n},\n' "$work" "$1"
}
{ echo "["; entry "$hardened_compile"; echo "]"; } >"$work/hardened_commands.json"
{ echo "["; entry "$hardened_compile"; entry "-O2 -fstack-protector-strong -fPIE"; echo "]"; } \
  >"$work/unfortified_commands.json"
{ echo "["; entry "-O0 -fstack-protector-strong -D_FORTIFY_SOURCE=2 -fPIE"; echo "]"; } >"$work/debug_commands.json"
expect "unfortified probe vouched for by its compile commands" "" \
  --compile-commands "$work/hardened_commands.json" "$work/no_fortify"
expect "compile commands with one compile unfortified" "FORTIFY_SOURCE" \
  --compile-commands "$work/unfortified_commands.json" "$work/no_fortify"
expect "compile commands without optimisation" "FORTIFY_SOURCE" \
  --compile-commands "$work/debug_commands.json" "$work/no_fortify"

exit $failures
