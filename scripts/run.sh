#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window. Without a display the program says so
# in one line and exits at once with 1; run it under a virtual X server with xvfb-run -a.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
exec build/app/quodrill
