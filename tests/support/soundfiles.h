// Sound files made in code for the sound tests.
#pragma once

#include <QByteArray>

// A 16-bit mono 22050 Hz PCM WAV file holding a square wave of the given length.
QByteArray squareWaveWav(int milliseconds);

// A four-channel ProTracker module that holds one square-wave note for the given whole number
// of seconds and then ends. Its first channel is panned hard left.
QByteArray squareWaveModule(int seconds);
