#include "globals.h"

int DrawGrid = 0;
int GameLevel = 0;
int SoundOn = 1;
