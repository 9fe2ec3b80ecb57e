#!/bin/sh
# Runs one quirelle command line and compares its exit code, standard output and standard error.
# usage: run-cli-case.sh QUIRELLE EXPECTED_EXIT EXPECTED_STDOUT_FILE|- STDERR_PATTERN|- [--setup SCRIPT]
#                        [--stdout-pattern PATTERN] [--check SCRIPT] -- ARGS...
# EXPECTED_STDOUT_FILE "-" skips the output comparison; STDERR_PATTERN and PATTERN are grep -E
# patterns (PATTERN must match some line of standard output).
# An argument @EMPTY@ is passed as an empty argument.
# The command runs in a fresh directory; the setup SCRIPT (sh code) runs there first to create
# files, the check SCRIPT afterwards (it fails the case with a non-zero status).
set -u
quirelle=$1 expected_exit=$2 expected_out=$3 stderr_pattern=$4
shift 4
setup=
if [ "$1" = "--setup" ]; then setup=$2; shift 2; fi
stdout_pattern=
if [ "$1" = "--stdout-pattern" ]; then stdout_pattern=$2; shift 2; fi
check=
if [ "$1" = "--check" ]; then check=$2; shift 2; fi
[ "$1" = "--" ] && shift
# CMake drops empty list elements, so an empty argument travels as @EMPTY@.
for arg do
    shift
    if [ "$arg" = "@EMPTY@" ]; then set -- "$@" ""; else set -- "$@" "$arg"; fi
done

work=$(mktemp -d) || exit 99
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 99
# The user's settings (printer offsets) come from the test's own directory.
export XDG_CONFIG_HOME="$work/.config"
mkdir -p "$XDG_CONFIG_HOME"
if [ -n "$setup" ]; then sh -c "$setup" || { echo "setup failed"; exit 99; }; fi

"$quirelle" "$@" >"$work/.out" 2>"$work/.err"
status=$?
failed=0
if [ "$status" -ne "$expected_exit" ]; then
    echo "exit code $status, expected $expected_exit"; failed=1
fi
if [ "$expected_out" != "-" ] && ! diff -u "$expected_out" "$work/.out"; then
    echo "standard output differs"; failed=1
fi
if [ -n "$stdout_pattern" ] && ! grep -Eq -e "$stdout_pattern" "$work/.out"; then
    echo "standard output lacks /$stdout_pattern/"; failed=1
fi
if [ "$stderr_pattern" != "-" ] && ! grep -Eq -e "$stderr_pattern" "$work/.err"; then
    echo "standard error lacks /$stderr_pattern/:"; cat "$work/.err"; failed=1
fi
if [ -n "$check" ] && ! sh -c "$check"; then
    echo "check failed: $check"; failed=1
fi
if [ "$failed" -ne 0 ]; then
    echo "--- stdout"; head -20 "$work/.out"; echo "--- stderr"; cat "$work/.err"
fi
exit $failed
