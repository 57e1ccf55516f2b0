#!/usr/bin/env bash
# Exports a settings file as a GIMP palette with the command line and reads it
# back with GIMP's own palette reader (gimp-console, Script-Fu), printing each
# entry's name and colour. Needs the package gimp; runs without a display.
#   scripts/check-gpl-with-gimp.sh build/src/app/tinctora FILE.tnfx
set -euo pipefail
program=$1
settings=$2
name=$(basename "${settings%.*}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/GIMP/2.10/palettes"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= HOME="$home" \
  "$program" --export "$home/.config/GIMP/2.10/palettes/$name.gpl" "$settings"
HOME="$home" gimp-console-2.10 -i -f --batch-interpreter plug-in-script-fu-eval -b "
(let* ((name \"$name\") (n (car (gimp-palette-get-info name))))
  (gimp-message (string-append \"entries \" (number->string n)))
  (let loop ((i 0))
    (if (< i n)
      (begin
        (let ((c (car (gimp-palette-entry-get-color name i)))
              (nm (car (gimp-palette-entry-get-name name i))))
          (gimp-message (string-append nm \" \" (number->string (car c)) \" \"
                                       (number->string (cadr c)) \" \" (number->string (caddr c)))))
        (loop (+ i 1))))))" -b '(gimp-quit 0)' 2>&1 | sed -n 's/^script-fu-Warning: //p'
