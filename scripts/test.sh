#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

vexorin_install_missing
vexorin_build -DVEXORIN_TESTS=ON -DVEXORIN_BENCH=ON
cd "$VEXORIN_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
