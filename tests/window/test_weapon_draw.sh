# Weapons, projectiles and the singularity lens drawn in a real GL context.
source "$(dirname "$0")/lib.sh"
out=$("$BUILD_DIR/tools/weapon_draw_check/weapon_draw_check" 2>&1) || fail "weapon_draw_check failed: $out"
echo "$out"
echo "$out" | grep -q "weapon drawing ok" || fail "no 'weapon drawing ok'"
echo "$out" | grep -q "singularity buffer create failed" && fail "the singularity buffer was not made"
echo PASS
