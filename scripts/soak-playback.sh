#!/usr/bin/env bash
# A long playback run (not part of ./test.sh): 2000 items unless given, half
# of them files the engine refuses; prints descriptors and memory every 100.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release --target kd_playback_soak
export KAVORODECK_AUDIO_SINK="fakesink sync=false"
export GST_TRACERS='leaks(filters="GstPipeline,GstBus")'
# The refusals are expected; an empty file's refusal runs over two lines.
exec build/release/out/bin/kd_playback_soak "${1:-2000}" \
  2> >(grep -v -e '^Cannot play' -e "^Can't typefind empty stream)$" >&2)
