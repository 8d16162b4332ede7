// Music: tracker modules rendered by libopenmpt straight into SDL_mixer's output through its
// music hook. One module plays at a time.
//
// The hook runs on SDL's audio thread. It reads a module's volume and writes its finished flag
// through atomics; everything else about the module changes only while it is off the hook, and
// Mix_HookMusic takes the device lock, so no render is under way while the GUI thread changes it.
#include "fmodlayer.h"
#include "layerstate.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

struct FMUSIC_MODULE {
    static constexpr int maxVolume = 255;

    openmpt_module *player;
    int rate = 0;
    std::atomic<int> volume{maxVolume};
    std::atomic<bool> finished{false};
};

namespace {

FMUSIC_MODULE *hooked = nullptr;

void applyVolume(std::int16_t *samples, std::size_t count, int volume)
{
    if (volume == FMUSIC_MODULE::maxVolume)
        return;
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(samples[i] * volume / FMUSIC_MODULE::maxVolume);
}

// The stream arrives as silence; SDL_mixer adds the effect channels on top afterwards. At the
// end of the module libopenmpt renders fewer frames than asked, and the rest stays silent.
void SDLCALL renderModule(void *udata, Uint8 *stream, int len)
{
    auto *module = static_cast<FMUSIC_MODULE *>(udata);
    if (module->finished.load())
        return;
    auto *samples = reinterpret_cast<std::int16_t *>(stream);
    const std::size_t frames = static_cast<std::size_t>(len) / (2 * sizeof(std::int16_t));
    const std::size_t rendered =
        openmpt_module_read_interleaved_stereo(module->player, module->rate, frames, samples);
    applyVolume(samples, 2 * rendered, module->volume.load());
    if (rendered < frames)
        module->finished.store(true);
}

void unhook()
{
    if (!hooked)
        return;
    Mix_HookMusic(nullptr, nullptr);
    hooked = nullptr;
}

bool readAll(std::FILE *file, std::vector<char> &bytes)
{
    char block[65536];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + count);
    return !std::ferror(file);
}

// Ends the song where it ends instead of fading it out, so that "finished" means the last note.
// The song is played from its start to its end and never measured, so the load skips working
// out every subsong's length: that walk made a damaged module (an order count of 65291, say)
// take seconds and gigabytes to load.
const openmpt_module_initial_ctl loadControls[] = {
    {"play.at_end", "stop"}, {"load.skip_subsongs_init", "1"}, {nullptr, nullptr}};

openmpt_module *createPlayer(const std::vector<char> &bytes)
{
    int error = OPENMPT_ERROR_OK;
    openmpt_module *player = openmpt_module_create_from_memory2(bytes.data(), bytes.size(),
        openmpt_log_func_silent, nullptr, nullptr, nullptr, &error, nullptr, loadControls);
    if (!player)
        soundlayer::setError(error == OPENMPT_ERROR_OUT_OF_MEMORY ? FMOD_ERR_MEMORY : FMOD_ERR_FILE_FORMAT);
    return player;
}

bool requireModule(const FMUSIC_MODULE *module)
{
    if (!module)
        soundlayer::setError(FMOD_ERR_INVALID_PARAM);
    return module != nullptr;
}

} // namespace

namespace soundlayer {

void detachModule()
{
    unhook();
}

} // namespace soundlayer

FMUSIC_MODULE *FMUSIC_LoadSong(const char *name)
{
    std::FILE *file = soundlayer::openForReading(name);
    if (!file)
        return nullptr;
    std::vector<char> bytes;
    const bool complete = readAll(file, bytes);
    std::fclose(file);
    if (!complete) {
        soundlayer::setError(FMOD_ERR_FILE_BAD);
        return nullptr;
    }
    openmpt_module *player = createPlayer(bytes);
    return player ? new FMUSIC_MODULE{player} : nullptr;
}

bool FMUSIC_FreeSong(FMUSIC_MODULE *module)
{
    if (!requireModule(module))
        return false;
    if (hooked == module)
        unhook();
    openmpt_module_destroy(module->player);
    delete module;
    return true;
}

bool FMUSIC_PlaySong(FMUSIC_MODULE *module)
{
    if (!requireModule(module) || !soundlayer::requireOutput())
        return false;
    unhook();
    openmpt_module_set_position_seconds(module->player, 0.0);
    module->rate = soundlayer::outputRate();
    module->finished.store(false);
    Mix_HookMusic(renderModule, module);
    hooked = module;
    return true;
}

bool FMUSIC_StopSong(FMUSIC_MODULE *module)
{
    if (!requireModule(module))
        return false;
    if (hooked == module)
        unhook();
    module->finished.store(false);
    return true;
}

bool FMUSIC_IsFinished(FMUSIC_MODULE *module)
{
    return requireModule(module) && module->finished.load();
}

bool FMUSIC_IsPlaying(FMUSIC_MODULE *module)
{
    return requireModule(module) && hooked == module && !module->finished.load();
}

bool FMUSIC_SetMasterVolume(FMUSIC_MODULE *module, int volume)
{
    if (!requireModule(module))
        return false;
    module->volume.store(std::clamp(volume, 0, FMUSIC_MODULE::maxVolume));
    return true;
}
