#!/usr/bin/env bash
# A skin reload soak (not part of ./test.sh): the Release program under its own
# Xvfb and session bus loads a skin archive every 100 ms for 60 s unless told
# otherwise, while its memory and descriptors are sampled each second.
#   scripts/soak-skin-reload.sh [--seconds N] [--interval S] [--keep]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release --target kavorodeck
exec python3 tools/soak/skin_reload_soak.py build/release/out/bin/kavorodeck "$@"
