// Effects: WAV samples loaded into SDL_mixer chunks and played once on the mixer's channels.
#include "fmodlayer.h"
#include "layerstate.h"

#include <SDL.h>
#include <SDL_mixer.h>

struct FSOUND_SAMPLE {
    Mix_Chunk *chunk;
};

FSOUND_SAMPLE *FSOUND_Sample_Load(int, const char *name, unsigned int, int, int)
{
    std::FILE *file = soundlayer::openForReading(name);
    if (!file)
        return nullptr;
    SDL_RWops *source = SDL_RWFromFP(file, SDL_TRUE);
    if (!source) {
        std::fclose(file);
        soundlayer::setError(FMOD_ERR_MEMORY);
        return nullptr;
    }
    Mix_Chunk *chunk = Mix_LoadWAV_RW(source, 0);
    const bool readFailed = std::ferror(file);
    SDL_RWclose(source);
    if (!chunk) {
        soundlayer::setError(readFailed ? FMOD_ERR_FILE_BAD : FMOD_ERR_FILE_FORMAT);
        return nullptr;
    }
    return new FSOUND_SAMPLE{chunk};
}

void FSOUND_Sample_Free(FSOUND_SAMPLE *sample)
{
    if (!sample)
        return;
    Mix_FreeChunk(sample->chunk);
    delete sample;
}

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE *sample)
{
    if (!soundlayer::requireOutput())
        return -1;
    if (!sample || channel < FSOUND_FREE || channel >= Mix_AllocateChannels(-1)) {
        soundlayer::setError(FMOD_ERR_INVALID_PARAM);
        return -1;
    }
    const int played = Mix_PlayChannel(channel, sample->chunk, 0);
    if (played < 0)
        soundlayer::setError(FMOD_ERR_CHANNEL_ALLOC);
    return played;
}
