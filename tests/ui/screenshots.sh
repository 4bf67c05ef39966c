#!/usr/bin/env bash
# screenshots.sh PREFIX SCENES OUTDIR: shows the window in each scene inside a Wine virtual desktop
# (which draws the frame and caption itself) and saves its picture as OUTDIR/<scene>.png. Checks
# that the heading colour reaches the screen where headings or coloured rows are shown.
set -euo pipefail
prefix="$1" scenes="$2" out="$3"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
mkdir -p "$out"
work="$(mktemp -d)"
desktop=
cleanup() {
  [ -n "$desktop" ] && kill "$desktop" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

names=(start-up expanded-heading coloured-rows empty-list custom-page)
# Nothing left running may hold this script's output open: CTest waits until it is closed.
wine explorer /desktop=OstrevoScenes,1024x768 "$scenes" "$work" "${names[@]}" </dev/null >"$work/log" 2>&1 &
desktop=$!

status=0
for scene in "${names[@]}"; do
  for _ in $(seq 1 600); do
    [ -s "$work/$scene.ready" ] && break
    kill -0 "$desktop" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$work/$scene.ready" ]; then
    cat "$work/log" >&2
    echo "$scene: the window did not get ready" >&2
    exit 1
  fi
  read -r x y width height < "$work/$scene.ready"
  import -window root -crop "${width}x${height}+${x}+${y}" +repage "$out/$scene.png"
  touch "$work/$scene.done"
  echo "saved $out/$scene.png"

  case "$scene" in
    start-up|expanded-heading|coloured-rows)
      # HeadingColour 0x900000 (0x00BBGGRR) is #000090 on the screen.
      colours="$(convert "$out/$scene.png" -unique-colors txt:-)"
      if grep -qi '#000090' <<<"$colours"; then
        echo "$scene: heading colour on screen"
      else
        echo "$scene: no pixel in the heading colour" >&2
        status=1
      fi
      ;;
  esac
done
exit $status
