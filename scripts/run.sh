#!/usr/bin/env bash
# Builds Velmora and starts it; the database lives in the directory you start it from.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$VELMORA_BUILD/velmora" "$@"
