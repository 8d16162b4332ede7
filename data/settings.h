// Program-wide settings and state that several parts of the game read and write directly.
#pragma once

#include "globals.h"

#include <QString>

// Play the music playlist (0 or 1); cleared when the sound system cannot start.
extern int MusicOn;
// Music volume, 0 (silent) to 255; the options and the volume keys keep it within 1 to 255.
extern int MasterVolume;
// File name of the interface translation to load at start-up.
extern QString LanguageFile;
// Index of the selected profile in GameData::profiles, -1 for none.
extern int CurrentProfile;
// Name of the language loaded at start-up.
extern QString LanguageName;
// Index in GameData::musicFiles of the song asked for last.
extern int CurrentSong;

// Reads the translation file name from "game.dat" into LanguageFile and returns it. Runs
// before the settings are loaded; without a readable "game.dat" the name is empty, so the
// very first start loads no translation.
QString ReadLanguageFile();
