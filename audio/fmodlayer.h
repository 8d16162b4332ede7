// The sound library calls the game makes, under their FMOD 3 names: effects through SDL2_mixer,
// music modules through libopenmpt. Every call is made from the GUI thread and returns at once.
#pragma once

struct FSOUND_SAMPLE;
struct FMUSIC_MODULE;

// Any free channel or sample slot.
constexpr int FSOUND_FREE = -1;
// Sample mode: play once.
constexpr unsigned int FSOUND_LOOP_OFF = 1;

// What FSOUND_GetError reports; FMOD_ErrorString gives the text of each.
enum FMOD_ERRORS {
    FMOD_ERR_NONE,
    FMOD_ERR_BUSY,
    FMOD_ERR_UNINITIALIZED,
    FMOD_ERR_INIT,
    FMOD_ERR_ALLOCATED,
    FMOD_ERR_PLAY,
    FMOD_ERR_OUTPUT_FORMAT,
    FMOD_ERR_COOPERATIVELEVEL,
    FMOD_ERR_CREATEBUFFER,
    FMOD_ERR_FILE_NOTFOUND,
    FMOD_ERR_FILE_FORMAT,
    FMOD_ERR_FILE_BAD,
    FMOD_ERR_MEMORY,
    FMOD_ERR_VERSION,
    FMOD_ERR_INVALID_PARAM,
    FMOD_ERR_NO_EAX,
    FMOD_ERR_CHANNEL_ALLOC,
    FMOD_ERR_RECORD,
    FMOD_ERR_MEDIAPLAYER,
};

// The version of the FMOD interface this layer provides.
float FSOUND_GetVersion();

// Opens the audio output at mixrate Hz, 16-bit stereo, with maxsoftwarechannels effect channels;
// flags are accepted and ignored. False, with FMOD_ERR_INIT, when no output can be opened;
// false with FMOD_ERR_BUSY when the output is already open. Until a successful call, loads
// return null and plays do nothing.
bool FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);

// Stops every sound and closes the output. Loaded samples and modules stay valid until they are
// freed with their own calls.
void FSOUND_Close();

// The code of the last failure (FMOD_ERRORS); a successful FSOUND_Init resets it to FMOD_ERR_NONE.
int FSOUND_GetError();

// The English text of an FSOUND_GetError code; "Unknown error" for any other number.
const char *FMOD_ErrorString(int errcode);

// Loads a WAV file as an effect. index, mode, offset and length are accepted for the FMOD 3
// signature: samples always come from the whole named file and play once. Null when the output
// is not open or the file is missing or unreadable.
FSOUND_SAMPLE *FSOUND_Sample_Load(int index, const char *name, unsigned int mode, int offset, int length);

// Stops the sample wherever it plays and frees it. Null is ignored.
void FSOUND_Sample_Free(FSOUND_SAMPLE *sample);

// Starts the sample once on the given channel (FSOUND_FREE: any free one) at full volume and
// returns that channel, or -1 when the output is not open, the arguments are bad or every
// channel is busy.
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE *sample);

// Loads a tracker module (IT, S3M, XM, MOD and whatever else libopenmpt knows), judged by its
// content, not its name. Null when the output is not open or the file cannot be played.
FMUSIC_MODULE *FMUSIC_LoadSong(const char *name);

// Stops the module if it plays, then frees it. False for null.
bool FMUSIC_FreeSong(FMUSIC_MODULE *module);

// Plays the module from its beginning, once, in place of any module playing before.
bool FMUSIC_PlaySong(FMUSIC_MODULE *module);

// Stops the module; it is then not finished, and the next FMUSIC_PlaySong starts it afresh.
bool FMUSIC_StopSong(FMUSIC_MODULE *module);

// True once the module has played to its end, until it is played or stopped again.
bool FMUSIC_IsFinished(FMUSIC_MODULE *module);

// True while the module is playing: started and neither stopped, replaced nor finished.
bool FMUSIC_IsPlaying(FMUSIC_MODULE *module);

// Sets the module's volume, 0 (silent) to 255 (as written, the default); other values are
// clamped. Takes effect at once, also while the module plays.
bool FMUSIC_SetMasterVolume(FMUSIC_MODULE *module, int volume);
