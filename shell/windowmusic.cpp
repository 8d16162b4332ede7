// The main window's sound: starting the sound library, the music playlist and its keys.
#include "window.h"

#include "alert.h"
#include "configdialog.h"
#include "fmodlayer.h"
#include "gamedata.h"

#include <QSlider>
#include <QTimer>

namespace {

constexpr float RequiredVersion = 3.75f;

void showSoundError(const QString &text)
{
    showCriticalAlert(QStringLiteral("Error!"), text);
}

} // namespace

// A failed start switches the music off; the effects then play silently.
void Window::InitSound()
{
    if (FSOUND_GetVersion() < RequiredVersion) {
        showSoundError(QStringLiteral("Error : You are using the wrong DLL version!  You should be "
                                      "using FMOD %1\n")
                           .arg(double(RequiredVersion)));
        MusicOn = 0;
    }
    if (!FSOUND_Init(44100, 32, 1)) {
        showSoundError(QString::fromLatin1(FMOD_ErrorString(FSOUND_GetError())));
        MusicOn = 0;
    }
    CurrentSong = -1;
}

void Window::StartMusicPoll()
{
    if (musicTimer)
        return;
    musicTimer = new QTimer(this);
    connect(musicTimer, &QTimer::timeout, this, &Window::PlayListTime);
    musicTimer->start(1000);
}

void Window::PlayAdjacent(int direction)
{
    int next = CurrentSong + direction;
    const int count = int(store->musicFiles.size());
    if (count == 0) {
        CurrentSong = next;
        return;
    }
    if (next < 0 || next > count - 1)
        next = direction > 0 ? 0 : count - 1;
    CurrentSong = next;
    PlaySong();
}

// The module that played before is released only once the library no longer plays it.
void Window::PlaySong()
{
    FMUSIC_MODULE *previous = song;
    if (previous)
        FMUSIC_StopSong(previous);
    const QString path = QStringLiteral("data/music/") + store->musicFiles.value(CurrentSong);
    song = FMUSIC_LoadSong(path.toLocal8Bit().constData());
    if (previous)
        FMUSIC_FreeSong(previous);
    if (!song) {
        showSoundError(QStringLiteral("Song not loaded!"));
        return;
    }
    FMUSIC_PlaySong(song);
    SetMusicVolume(MasterVolume);
}

void Window::SetMusicVolume(int volume)
{
    if (song)
        FMUSIC_SetMasterVolume(song, volume);
}

// A finished song is followed by the next; a song stopped while Music was off starts again
// from its beginning once Music is back on.
void Window::PlayListTime()
{
    if (!MusicOn || !song)
        return;
    if (FMUSIC_IsFinished(song)) {
        PlayAdjacent(+1);
    } else if (!FMUSIC_IsPlaying(song)) {
        FMUSIC_PlaySong(song);
        SetMusicVolume(MasterVolume);
    }
}

// Going through the options dialog's slider keeps the volume within its range and the slider
// in step with it.
void Window::ChangeVolume(int step)
{
    configDialog->volumeSlider->setSliderPosition(MasterVolume + step);
    MasterVolume = configDialog->volumeValue();
    SetMusicVolume(MasterVolume);
}
