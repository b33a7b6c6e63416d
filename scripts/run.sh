#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window. Without a display the program says so,
# with how to run it under a virtual X server, and exits at once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
exec build/app/quodrill
