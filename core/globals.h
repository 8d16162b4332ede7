// Program-wide settings that the puzzle core reads while it scrambles and draws, and the switch
// of the sound effects that the board widget plays.
#pragma once

// Draw the translucent lens outlines (0 or 1); read at every draw.
extern int DrawGrid;
// Game level 1 (Easy) to 5 (Hard); multiplies the scrambling turns. 0 until the settings are read.
extern int GameLevel;
// Play the sound effects (0 or 1).
extern int SoundOn;
