# shellcheck shell=bash
# Sourced by test.sh and scripts/soak.sh: how the ASan + UBSan build runs. Leaks are
# checked (LeakSanitizer); tests/sanitizers/lsan.supp names the leaks of Qt and of the
# platform's libraries that are theirs to fix, never one of this program's own.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
