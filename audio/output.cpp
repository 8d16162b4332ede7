// Opening and closing the audio output, and the error code that every call reports through.
#include "fmodlayer.h"
#include "layerstate.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>

namespace {

struct Output {
    bool open = false;
    int rate = 0;
};

Output output;
int lastError = FMOD_ERR_NONE;

constexpr int framesPerBuffer = 1024;

} // namespace

namespace soundlayer {

bool requireOutput()
{
    if (!output.open)
        setError(FMOD_ERR_UNINITIALIZED);
    return output.open;
}

int outputRate()
{
    return output.rate;
}

void setError(int code)
{
    lastError = code;
}

std::FILE *openForReading(const char *name)
{
    if (!requireOutput())
        return nullptr;
    if (!name) {
        setError(FMOD_ERR_INVALID_PARAM);
        return nullptr;
    }
    std::FILE *file = std::fopen(name, "rb");
    if (!file)
        setError(errno == ENOENT || errno == ENOTDIR ? FMOD_ERR_FILE_NOTFOUND : FMOD_ERR_FILE_BAD);
    return file;
}

} // namespace soundlayer

float FSOUND_GetVersion()
{
    return 3.75f;
}

bool FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int)
{
    if (output.open) {
        soundlayer::setError(FMOD_ERR_BUSY);
        return false;
    }
    if (mixrate <= 0 || maxsoftwarechannels <= 0) {
        soundlayer::setError(FMOD_ERR_INVALID_PARAM);
        return false;
    }
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into events that nobody
    // reads, so the game could no longer be stopped by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Its own subsystem start, so that each FSOUND_Init picks the driver named in the
    // environment afresh and FSOUND_Close really lets the device go.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        soundlayer::setError(FMOD_ERR_INIT);
        return false;
    }
    // No changes allowed: SDL converts to whatever the device wants, so the mixer, and the
    // module hook with it, always work in 16-bit stereo.
    if (Mix_OpenAudioDevice(mixrate, AUDIO_S16SYS, 2, framesPerBuffer, nullptr, 0) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        soundlayer::setError(FMOD_ERR_INIT);
        return false;
    }
    Mix_AllocateChannels(maxsoftwarechannels);
    Mix_QuerySpec(&output.rate, nullptr, nullptr);
    output.open = true;
    lastError = FMOD_ERR_NONE;
    return true;
}

void FSOUND_Close()
{
    if (!output.open)
        return;
    soundlayer::detachModule();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    output = {};
}

int FSOUND_GetError()
{
    return lastError;
}
