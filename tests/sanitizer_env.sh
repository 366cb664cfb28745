# Sourced by scripts/test and by tests that check the sanitizer settings.
# Full stacks for every allocation: the suppressions in lsan.supp are matched
# against the whole stack, not the few frames the fast unwinder finds before a
# system library without frame pointers stops it.
KELVARO_TESTS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:fast_unwind_on_malloc=0
export LSAN_OPTIONS=suppressions=$KELVARO_TESTS_DIR/lsan.supp:fast_unwind_on_malloc=0:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
