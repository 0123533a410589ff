#!/usr/bin/env bash
# Installs what is missing, builds kavorodeck (Release) and starts it.
#   ./run.sh [FILE]...   each FILE (a song, folder or playlist) is added at start.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh release --target kavorodeck
# Under Wayland the skinned window needs X11 features (window shapes, placement).
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -n "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=xcb
fi
exec build/release/out/bin/kavorodeck "$@"
