#!/usr/bin/env bash
# Renders the skin's contact sheet: every bitmap at twice its size with its frames outlined
# and its name, and a preview of windows and controls drawn with the skin.
# Usage: contact_sheet.sh <skinart program> <bitmap folder> <output.png>
set -euo pipefail
skinart=$1
bitmaps=$2
output=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Frames per bitmap, and whether they are stacked (s) rather than side by side.
frames_of() {
  case $1 in
    buttons.bmp|trackthumbh.bmp|trackbot.bmp|header.bmp|menuitem.bmp|extraimages.bmp|tab.bmp) echo 5 ;;
    checkbox.bmp|radiobutton.bmp|mdibutton.bmp) echo 12 ;;
    statusbar.bmp|scrollbarhthumb.bmp|scrollbarvthumb.bmp) echo 3 ;;
    comboboxbtn.bmp|scrollbarhbar.bmp|scrollbarvbar.bmp) echo 4 ;;
    spin.bmp|spinarrow.bmp|spinh.bmp|spinharrow.bmp) echo 8 ;;
    scrollbararrow.bmp) echo 23 ;;
    closebutton.bmp|maxbutton.bmp|minbutton.bmp|restrorebutton.bmp) echo 6 ;;
    frameleft.bmp|frameright.bmp) echo 2 ;;
    frametop.bmp|framebottom.bmp|mincaption.bmp) echo 2s ;;
    *) echo 1 ;;
  esac
}

background='#C9CED4'
tiles=()
heights=()
total=0
for bmp in "$bitmaps"/*.bmp; do
  name=$(basename "$bmp")
  read -r w h < <(identify -format '%w %h\n' "$bmp")
  spec=$(frames_of "$name")
  n=${spec%s}
  draw=()
  for ((i = 0; i < n; i++)); do
    if [[ $spec == *s ]]; then
      fh=$((h / n)); y0=$((2 * i * fh)); y1=$((2 * (i + 1) * fh - 1))
      draw+=(-draw "rectangle 0,$y0 $((2 * w - 1)),$y1")
    else
      fw=$((w / n)); x0=$((2 * i * fw)); x1=$((2 * (i + 1) * fw - 1))
      draw+=(-draw "rectangle $x0,0 $x1,$((2 * h - 1))")
    fi
  done
  layout=side\ by\ side
  [[ $spec == *s ]] && layout=stacked
  caption="$name   ${w}x${h}, $n frame$([ "$n" = 1 ] || echo s)$([ "$n" = 1 ] || echo ", $layout")"
  tile=$work/${name%.bmp}.png
  convert \( -background "$background" -fill '#1F2933' -font DejaVu-Sans -pointsize 13 label:"$caption" \) \
    \( "$bmp" -filter point -resize 200% -fill none -stroke '#FFB000' -strokewidth 1 "${draw[@]}" \) \
    -background "$background" -gravity west -splice 0x0 -append -bordercolor "$background" -border 10 "$tile"
  tiles+=("$tile")
  th=$(identify -format '%h' "$tile")
  heights+=("$th")
  total=$((total + th))
done

# Two columns of about equal height, in name order.
left=()
right=()
acc=0
for i in "${!tiles[@]}"; do
  if ((acc < total / 2)); then left+=("${tiles[$i]}"); else right+=("${tiles[$i]}"); fi
  acc=$((acc + heights[i]))
done
convert -background "$background" "${left[@]}" -gravity west -append "$work/left.png"
convert -background "$background" "${right[@]}" -gravity west -append "$work/right.png"
convert -background "$background" "$work/left.png" "$work/right.png" -gravity north +append "$work/sheet.png"

# The preview, with its captions typeset.
"$skinart" --preview "$work/preview.bmp" "$work/labels.txt"
annotate=()
while read -r x y colour text; do
  annotate+=(-fill "$colour" -annotate "+$x+$((y + 11))" "$text")
done < "$work/labels.txt"
convert "$work/preview.bmp" -font DejaVu-Sans -pointsize 12 "${annotate[@]}" "$work/preview.png"

convert "$work/preview.png" "$work/sheet.png" -background "$background" -gravity center -append \
  -bordercolor "$background" -border 10 +repage -strip -depth 8 "$output"
