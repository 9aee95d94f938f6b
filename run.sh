#!/usr/bin/env bash
# Sets up, builds and starts Dravik. Without a display it says so and runs
# the example design of the README in script mode instead.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

if [ ! -x build/release/app/dravik ]; then
  echo "Building Dravik (the first build takes a few minutes)..."
fi
cmake -S . -B build/release -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" >/dev/null

program=build/release/app/dravik
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi
echo "No display found: running the example design examples/design.txt in script mode."
exec "$program" --script examples/design.txt "$@"
