#!/usr/bin/env bash
# Deals per hour of an evaluation run: SEF over 200 deals (or $1), in a scratch data directory.
set -euo pipefail
cd "$(dirname "$0")/.."
deals=${1:-200}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
appData="$scratch" build/vasterel-cli evaluate --system 1 --deals "$deals" 2>&1 >/dev/null | tail -1
