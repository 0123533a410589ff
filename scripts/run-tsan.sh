#!/usr/bin/env bash
# Builds the ThreadSanitizer tree and runs the tests whose code runs on more
# than one thread: folder scans, picture loading, the engine's bus handling
# and the browser's scan. Exit status 0 when every one runs clean.
#   scripts/run-tsan.sh [-jN]
# The distribution's Qt, GLib and GStreamer are not built with the detector,
# so every hand-over through their queues and locks (a queued invokeMethod, a
# thread pool's job queue, a pad probe, GStreamer's own threads) would be
# reported as a race: scripts/tsan.supp leaves out exactly those, by the
# library or library function at which they happen. Any report left is a race
# the detector can see whole; the log of each test is build/tsan/<test>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${1:--j2}
tests=(test_playlist_add test_cover test_playback_gst test_browser test_ui_browser)
scripts/build.sh tsan "$jobs" --target "${tests[@]}"

export TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp halt_on_error=0 second_deadlock_stack=1 exitcode=66 ${TSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen
status=0
for test in "${tests[@]}"; do
  binary=$(find build/tsan -type f -name "$test" -perm -u+x | head -1)
  log=build/tsan/$test.log
  if "$binary" >"$log" 2>&1; then
    echo "clean   $test"
  else
    echo "FAILED  $test (exit $?; $(grep -c 'WARNING: ThreadSanitizer' "$log") reports) -> $log"
    status=1
  fi
done
exit $status
