#!/bin/bash
# Weapons, projectiles and the singularity lens drawn in a real GL context.
set -u
build_dir=$2
tool=$(find "$build_dir" -name weapon_draw_check -type f -perm -u+x | head -1)
if [ -z "$tool" ]; then
  echo "weapon_draw_check was not built"
  exit 1
fi
out=$(xvfb-run -a -s "-screen 0 1024x768x24" "$tool" 2>&1)
status=$?
echo "$out"
[ $status -eq 0 ] || exit 1
echo "$out" | grep -q "weapon drawing ok" || exit 1
if echo "$out" | grep -q "singularity buffer create failed"; then exit 1; fi
