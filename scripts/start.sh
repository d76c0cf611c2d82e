#!/usr/bin/env bash
# Installs what is missing, builds Dawnquill and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/src/workbench/dawnquill
