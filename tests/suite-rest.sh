#!/usr/bin/env bash
# Runs the test functions of a Qt Test suite that its other CTest entries leave out.
# Usage: suite-rest.sh SUITE NAMED...
#   NAMED: what the other entries run, each a function or a function:data tag.
# A long suite runs as several entries side by side (tests/CMakeLists.txt); this one
# runs every function none of them names, so a function added later runs too. A
# function given by data tags must have all its tags named: a row added later would
# otherwise run nowhere, and that fails here.
set -euo pipefail
suite=$1
shift

declare -A named=() by_tag=()
for n in "$@"; do
    named[$n]=1
    [[ $n != *:* ]] || by_tag[${n%%:*}]=1
done

tags=$("$suite" -datatags 2>/dev/null) ||
    { echo "suite-rest: $suite -datatags failed" >&2; exit 1; }
while read -r _ function tag; do
    if [ -n "${by_tag[$function]:-}" ] && [ -z "${named[$function:$tag]:-}" ]; then
        echo "suite-rest: $function:$tag is in no CTest entry of $(basename "$suite")" >&2
        exit 1
    fi
done <<<"$tags"

functions=$("$suite" -functions 2>/dev/null) ||
    { echo "suite-rest: $suite -functions failed" >&2; exit 1; }
rest=()
while read -r function; do
    function=${function%()}
    [ -n "$function" ] && [ -z "${named[$function]:-}" ] && [ -z "${by_tag[$function]:-}" ] &&
        rest+=("$function")
done <<<"$functions"
if ((${#rest[@]} == 0)); then
    echo "suite-rest: the other entries run every function of $(basename "$suite")"
    exit 0
fi
exec "$suite" "${rest[@]}"
