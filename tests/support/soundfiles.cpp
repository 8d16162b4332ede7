#include "soundfiles.h"

#include <QtEndian>

QByteArray squareWaveWav(int milliseconds)
{
    // PCM, mono, 22050 frames of 2 bytes a second, 16 bits a sample; the sizes are filled in last.
    QByteArray wav = "RIFF    WAVEfmt "
        + QByteArray::fromHex("10000000 0100 0100 22560000 44ac0000 0200 1000") + "data    ";
    for (int i = 0; i < 22050 * milliseconds / 1000; ++i)
        wav += QByteArray::fromHex((i / 25) % 2 ? "c0e0" : "401f"); // -8000 or 8000
    qToLittleEndian<quint32>(wav.size() - 8, wav.data() + 4);
    qToLittleEndian<quint32>(wav.size() - 44, wav.data() + 40);
    return wav;
}

QByteArray squareWaveModule(int seconds)
{
    // Every order plays the one pattern. Row 0 starts a note of sample 1 on channel 0 and sets
    // 5 ticks a row (0.1 s at 125 BPM); row 9 breaks to the next order, so each order lasts 1 s.
    QByteArray pattern(64 * 4 * 4, '\0');
    pattern.replace(0, 8, QByteArray::fromHex("01ac1000 00000f05"));
    pattern.replace((9 * 4 + 2) * 4, 4, QByteArray::fromHex("00000d00"));
    // Song name, then sample 1: 16 words, volume 64, looped whole; 30 empty samples.
    return QByteArray("square").leftJustified(20 + 22, '\0') + QByteArray::fromHex("0010 0040 0000 0010")
        + QByteArray(30 * 30, '\0') + char(seconds) + char(127) + QByteArray(128, '\0') + "M.K." + pattern
        + QByteArray(16, char(100)) + QByteArray(16, char(-100));
}
