#!/bin/sh
# Renders corvane.svg into the PNGs beside it (corvane-16.png ... corvane-256.png)
# with headless Chromium, each size drawn from the vector art itself so the small
# ones stay sharp. Run it after changing the artwork and commit the PNGs.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
browser=${CHROMIUM:-chromium}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 32 48 64 128 256; do
    cat >"$work/icon.html" <<HTML
<html><body style="margin:0;background:transparent;overflow:hidden">
<img src="file://$here/corvane.svg" style="display:block;width:${size}px;height:${size}px">
</body></html>
HTML
    "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars \
        --default-background-color=00000000 --window-size="$size,$size" \
        --screenshot="$here/corvane-$size.png" "file://$work/icon.html" >/dev/null 2>&1
    echo "corvane-$size.png"
done
