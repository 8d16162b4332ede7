#include "soundfiles.h"

#include <QtEndian>

namespace {

void appendLe16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void appendLe32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void appendBe16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToBigEndian(value, raw);
    bytes.append(raw, 2);
}

void appendPadded(QByteArray &bytes, const QByteArray &text, int size)
{
    bytes.append(text.left(size).leftJustified(size, '\0'));
}

// One 30-byte ProTracker sample header; lengths in 16-bit words.
void appendSampleHeader(QByteArray &bytes, const QByteArray &name, int words, int volume)
{
    appendPadded(bytes, name, 22);
    appendBe16(bytes, quint16(words));
    bytes.append(char(0));                  // finetune
    bytes.append(char(volume));
    appendBe16(bytes, 0);                   // loop start
    appendBe16(bytes, quint16(words ? words : 1)); // loop length; 1 means no loop
}

// Row 0 starts a note of sample 1 on channel 0 and sets 5 ticks a row (0.1 s at 125 BPM);
// row 9 breaks to the next order, so each order lasts one second.
QByteArray oneSecondPattern()
{
    QByteArray pattern(64 * 4 * 4, '\0');
    auto cell = [&pattern](int row, int channel, int sample, int period, int effect, int param) {
        char *c = pattern.data() + (row * 4 + channel) * 4;
        c[0] = char((sample & 0xF0) | (period >> 8));
        c[1] = char(period & 0xFF);
        c[2] = char(((sample & 0x0F) << 4) | effect);
        c[3] = char(param);
    };
    cell(0, 0, 1, 428, 0x0, 0);
    cell(0, 1, 0, 0, 0xF, 5);
    cell(9, 2, 0, 0, 0xD, 0);
    return pattern;
}

} // namespace

QByteArray squareWaveWav(int milliseconds)
{
    const int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    QByteArray samples;
    for (int i = 0; i < frames; ++i)
        appendLe16(samples, quint16(qint16((i / 25) % 2 ? -8000 : 8000)));

    QByteArray wav("RIFF");
    appendLe32(wav, quint32(36 + samples.size()));
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, 1);         // PCM
    appendLe16(wav, 1);         // mono
    appendLe32(wav, rate);
    appendLe32(wav, rate * 2);  // bytes per second
    appendLe16(wav, 2);         // bytes per frame
    appendLe16(wav, 16);        // bits per sample
    wav.append("data");
    appendLe32(wav, quint32(samples.size()));
    return wav + samples;
}

QByteArray squareWaveModule(int seconds)
{
    const int squareBytes = 32;
    QByteArray mod;
    appendPadded(mod, "square test", 20);
    appendSampleHeader(mod, "square", squareBytes / 2, 64);
    for (int i = 1; i < 31; ++i)
        appendSampleHeader(mod, QByteArray(), 0, 0);
    mod.append(char(seconds));              // song length in orders
    mod.append(char(127));                  // restart position, unused
    mod.append(QByteArray(128, '\0'));      // every order plays pattern 0
    mod.append("M.K.");
    mod.append(oneSecondPattern());
    mod.append(QByteArray(squareBytes / 2, char(100)));
    mod.append(QByteArray(squareBytes / 2, char(-100)));
    return mod;
}
