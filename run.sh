#!/usr/bin/env bash
# Installs what is missing, builds Olm and starts it in a working directory
# (default: the folder "lucru" beside this script) that holds the parameter files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
workdir="${1:-$here/lucru}"
# Olm is a desktop program: without a display there is nothing to build it for.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Olm needs a graphical display (X11 or Wayland), and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "Start ./run.sh from a terminal of a desktop session." >&2
  exit 1
fi
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
cd "$workdir"
exec "$here/build/olm"
