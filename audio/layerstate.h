// What the sound layer's source files share: the output's state and the error code. GUI thread only.
#pragma once

#include <cstdio>

namespace soundlayer {

// True while FSOUND_Init's output is open; otherwise records FMOD_ERR_UNINITIALIZED.
bool requireOutput();

// The rate the output mixes at; valid while it is open.
int outputRate();

// Records code for FSOUND_GetError.
void setError(int code);

// Opens name for binary reading while the output is open; otherwise, or when the file cannot be
// opened, records why and returns null.
std::FILE *openForReading(const char *name);

// Takes the playing module, if any, off the mixer; the output closes after this.
void detachModule();

} // namespace soundlayer
