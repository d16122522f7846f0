#pragma once
// Start-up timing: with VASK_FIRST_FRAME_CLOCK set in the environment, the
// first call prints the wall-clock time (seconds since the epoch) on standard
// output, so a script that noted when it started the game can tell how long
// the way to the first menu frame took. Without the variable it does nothing.
void noteFirstFrame();
