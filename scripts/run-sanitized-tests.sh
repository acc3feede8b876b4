#!/usr/bin/env bash
# Runs the test suite of a sanitizer build folder: any AddressSanitizer or UndefinedBehaviorSanitizer
# report fails the test that caused it. The end-to-end runs are left out: they wait for the real
# program's windows with time limits fitted to the normal build, which the instrumented program
# misses on a busy machine; so are the eyedropper on a real Wayland desktop (another end-to-end run)
# and the Debian package's check, which packs the program rather than running it.
set -euo pipefail
build=$(cd "$1" && pwd)
jobs=${2:-2}
here=$(cd "$(dirname "$0")" && pwd)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$here/lsan-suppressions.txt:print_suppressions=0
cd "$build"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -E "^e2e_|^wayland_eyedropper$|^debian_package$" \
    2>&1 | tee "$log"; then
  exit 0
fi
# LeakSanitizer's own tracer now and then crashes at a program's exit ("LeakSanitizer has
# encountered a fatal error") after every test of it passed: that is no finding about Velinor, so
# the failed programs run once more. Any other failure stands.
if grep -q "LeakSanitizer has encountered a fatal error" "$log" \
    && ! grep -qE "ERROR: (AddressSanitizer|LeakSanitizer: detected)|runtime error:|^FAIL!" "$log"; then
  echo "LeakSanitizer's tracer crashed; running the failed programs once more"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure --rerun-failed
  exit $?
fi
exit 1
