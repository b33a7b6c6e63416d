#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
echo "Quodrill is built. The window is not there yet: run 'bash scripts/test.sh' to exercise the solver."
