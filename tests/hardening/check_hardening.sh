#!/bin/sh
# Fails unless every program named carries Debian's hardening: a position-independent executable,
# full RELRO with immediate binding, the stack protector and fortified library calls.
#   check_hardening.sh [--compile-commands compile_commands.json] PROGRAM...
# Given the build's compile commands, every compile must also have had -fstack-protector-strong,
# -D_FORTIFY_SOURCE and optimisation; they vouch for fortification in a program that happens to
# make no call the compiler could fortify.
set -u
commands=""
if [ "${1:-}" = "--compile-commands" ]; then
  commands=${2:?}
  shift 2
fi
if [ $# -eq 0 ]; then
  echo "usage: $0 [--compile-commands FILE] PROGRAM..." >&2
  exit 2
fi
if ! command -v readelf >/dev/null; then
  echo "error: readelf is missing (Debian package binutils)" >&2
  exit 2
fi

problems=0
missing() {
  echo "missing: $1: $2"
  problems=$((problems + 1))
}

# Counts the compile commands that lack a flag matching the extended regular expression.
lacking() {
  grep '"command":' "$commands" | grep -Evc -- "$1"
}

flags_vouch=no
if [ -n "$commands" ]; then
  if [ ! -r "$commands" ]; then
    echo "error: cannot read $commands" >&2
    exit 2
  fi
  total=$(grep -c '"command":' "$commands")
  before=$problems
  [ "$total" -gt 0 ] || missing "$commands" "no compile command at all"
  n=$(lacking '-D_FORTIFY_SOURCE=[123]')
  [ "$n" -eq 0 ] || missing "$commands" "FORTIFY_SOURCE: $n of $total compiles without -D_FORTIFY_SOURCE"
  n=$(lacking '-fstack-protector-(strong|all)')
  [ "$n" -eq 0 ] || missing "$commands" "stack protector: $n of $total compiles without -fstack-protector-strong"
  n=$(lacking ' -O([123s]|fast)[ "]')
  [ "$n" -eq 0 ] || missing "$commands" "FORTIFY_SOURCE: $n of $total compiles without optimisation"
  [ "$problems" != "$before" ] || flags_vouch=yes
fi

for program in "$@"; do
  if ! readelf -hW "$program" >/dev/null 2>&1; then
    missing "$program" "not a readable ELF file"
    continue
  fi
  before=$problems
  readelf -hW "$program" | grep -Eq 'Type:[[:space:]]+DYN' &&
    readelf -lW "$program" | grep -q 'Requesting program interpreter' ||
    missing "$program" "PIE: not a position-independent executable"
  readelf -lW "$program" | grep -q 'GNU_RELRO' || missing "$program" "RELRO: no GNU_RELRO segment"
  readelf -dW "$program" | grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' ||
    missing "$program" "BIND_NOW: symbols are bound lazily"
  symbols=$(readelf --dyn-syms -W "$program")
  echo "$symbols" | grep -Eq '[[:space:]]__stack_chk_fail(@|$)' ||
    missing "$program" "stack protector: __stack_chk_fail is never called"
  fortified=$(echo "$symbols" | grep -Eo '[[:space:]]__[a-z0-9_]+_chk(@|$)' | sort -u | wc -l)
  if [ "$fortified" -gt 0 ]; then
    how="fortified calls ($fortified)"
  elif [ "$flags_vouch" = yes ]; then
    how="no call to fortify, compiled with -D_FORTIFY_SOURCE"
  else
    how=""
    missing "$program" "FORTIFY_SOURCE: no fortified call, and no compile commands to vouch for it"
  fi
  [ "$problems" != "$before" ] || echo "ok: $program: PIE, RELRO, BIND_NOW, stack protector, $how"
done
[ "$problems" -eq 0 ]
