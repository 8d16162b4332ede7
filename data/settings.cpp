#include "settings.h"

int MusicOn = 1;
int MasterVolume = 128;
QString LanguageFile = QStringLiteral("tavni_en.qm");
int CurrentProfile = -1;
QString LanguageName;
int CurrentSong = -1;
