// The one sound manager of the program: loads Sounds/ and opens the audio device
// during static initialisation, before main runs.
#include "sound/Sound.h"

SoundManager soundManager;
