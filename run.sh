#!/usr/bin/env bash
# Installs what is missing, builds Olm and starts it in a working directory
# (default: the folder "lucru" beside this script) that holds the parameter files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
workdir="${1:-$here/lucru}"
bash "$here/tools/ensure-packages.sh"
bash "$here/tools/build.sh" olm
mkdir -p "$workdir"
# Parameter files and help texts are copied in only when absent: the clerk's own edits stay.
for f in "$here"/data/*; do
  name="$(basename "$f")"
  if ! ls "$workdir" | grep -qix -- "$name"; then
    cp "$f" "$workdir/$name"
  fi
done
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No graphical display (DISPLAY is not set): Olm is a desktop program and needs one." >&2
  exit 1
fi
cd "$workdir"
exec "$here/build/olm"
