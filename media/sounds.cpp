#include "media/sounds.h"

#include <cmath>
#include <cstring>

#include "resources/ids.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kSilence = 128;
constexpr int kPcm = 1;

constexpr int kLockRate = 11025, kLockSamples = 1539;
constexpr int kRowRate = 8000, kRowSamples = 671;

// Writes a chunk header with a size to be filled in by EndChunk.
size_t BeginChunk(Bytes& out, const char (&tag)[5]) {
    PutTag(out, tag);
    PutU32(out, 0);
    return out.size();
}

// The size excludes the header and the pad byte that keeps the next chunk
// on an even offset.
void EndChunk(Bytes& out, size_t start) {
    PatchU32(out, start - 4, static_cast<uint32_t>(out.size() - start));
    if ((out.size() - start) % 2 != 0) PutU8(out, 0);
}

uint8_t ToSample(double level) {
    const long value = std::lround(kSilence + 110.0 * level);
    return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Both sounds start from silence and fade back to it over their last
// milliseconds, so they neither begin nor end with a click.
double FadeOut(int i, int count, int fadeSamples) {
    const int left = count - 1 - i;
    return left >= fadeSamples ? 1.0 : static_cast<double>(left) / fadeSamples;
}

// A thud: a sine sweeping down from about 180 Hz to 70 Hz under a fast
// decay, with a short burst of noise for the knock.
void SynthesizeLock(uint8_t* samples) {
    uint32_t noise = 0x2545f491;
    double phase = 0.0;
    for (int i = 0; i < kLockSamples; ++i) {
        const double t = static_cast<double>(i) / kLockRate;
        const double frequency = 70.0 + 110.0 * std::exp(-t / 0.03);
        const double attack = 1.0 - std::exp(-t / 0.002);
        noise = noise * 1103515245u + 12345u;
        const double white = static_cast<double>((noise >> 16) & 0x7fff) / 16384.0 - 1.0;
        const double level = attack * (0.85 * std::exp(-t / 0.045) * std::sin(phase) +
                                       0.35 * std::exp(-t / 0.006) * white);
        samples[i] = ToSample(level * FadeOut(i, kLockSamples, kLockRate / 100));
        phase += kTwoPi * frequency / kLockRate;
    }
}

// A chime: D6 struck first, A6 joining a third of the way in, both ringing
// out with a bell-like decay.
void SynthesizeRow(uint8_t* samples) {
    const int secondStrike = kRowSamples / 3;
    for (int i = 0; i < kRowSamples; ++i) {
        const double t = static_cast<double>(i) / kRowRate;
        double level = (1.0 - std::exp(-t / 0.001)) * std::exp(-t / 0.04) *
                       (0.5 * std::sin(kTwoPi * 1174.7 * t) + 0.15 * std::sin(kTwoPi * 2349.3 * t));
        if (i >= secondStrike) {
            const double s = static_cast<double>(i - secondStrike) / kRowRate;
            level += (1.0 - std::exp(-s / 0.001)) * std::exp(-s / 0.03) * 0.45 *
                     std::sin(kTwoPi * 1760.0 * s);
        }
        samples[i] = ToSample(level * FadeOut(i, kRowSamples, kRowRate / 200));
    }
}

// fmt: PCM, one channel, one byte per sample; the 18-byte form adds an
// extension size of 0.
void PutFormatChunk(Bytes& out, int rate, bool withExtensionSize) {
    const size_t start = BeginChunk(out, "fmt ");
    PutU16(out, kPcm);
    PutU16(out, 1);      // channels
    PutU32(out, rate);   // samples per second
    PutU32(out, rate);   // bytes per second
    PutU16(out, 1);      // block align
    PutU16(out, 8);      // bits per sample
    if (withExtensionSize) PutU16(out, 0);
    EndChunk(out, start);
}

void PutSamples(Bytes& out, const uint8_t* samples, int count) {
    const size_t fact = BeginChunk(out, "fact");
    PutU32(out, static_cast<uint32_t>(count));
    EndChunk(out, fact);
    const size_t data = BeginChunk(out, "data");
    out.insert(out.end(), samples, samples + count);
    EndChunk(out, data);
}

// One zero-terminated text of a LIST/INFO chunk.
void PutInfoText(Bytes& out, const char (&tag)[5], const char* text) {
    const size_t start = BeginChunk(out, tag);
    out.insert(out.end(), text, text + std::strlen(text) + 1);
    EndChunk(out, start);
}

size_t BeginRiff(Bytes& out) {
    const size_t start = BeginChunk(out, "RIFF");
    PutTag(out, "WAVE");
    return start;
}

}  // namespace

Bytes LockSoundWav() {
    uint8_t samples[kLockSamples];
    SynthesizeLock(samples);
    Bytes out;
    const size_t riff = BeginRiff(out);
    PutFormatChunk(out, kLockRate, false);
    PutSamples(out, samples, kLockSamples);
    EndChunk(out, riff);
    return out;
}

Bytes RowSoundWav() {
    uint8_t samples[kRowSamples];
    SynthesizeRow(samples);
    Bytes out;
    const size_t riff = BeginRiff(out);
    PutFormatChunk(out, kRowRate, true);
    PutSamples(out, samples, kRowSamples);
    const size_t list = BeginChunk(out, "LIST");
    PutTag(out, "INFO");
    PutInfoText(out, "INAM", "Row chime");
    PutInfoText(out, "ICMT", "Trelmo: a full row is removed");
    PutInfoText(out, "ISFT", "trelmo-assetgen");
    EndChunk(out, list);
    EndChunk(out, riff);
    return out;
}

namespace {

uint32_t U32(const Bytes& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t{bytes[at + 3]} << 24);
}

}  // namespace

bool ReadWave(const Bytes& file, SoundSamples& sound) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= file.size();) {
        const uint32_t size = U32(file, at + 4);
        const size_t body = at + 8;
        if (size > file.size() - body) return false;
        if (std::memcmp(file.data() + at, "fmt ", 4) == 0 && size >= 16) {
            const int encoding = file[body] | (file[body + 1] << 8);
            const int channels = file[body + 2] | (file[body + 3] << 8);
            const int bits = file[body + 14] | (file[body + 15] << 8);
            if (encoding != kPcm || bits != 8 || channels < 1 || channels > 2) return false;
            sound.channels = channels;
            sound.rate = U32(file, body + 4);
            haveFormat = true;
        } else if (std::memcmp(file.data() + at, "data", 4) == 0) {
            sound.samples.assign(file.begin() + static_cast<long>(body), file.begin() + static_cast<long>(body + size));
            return haveFormat;
        }
        at = body + size + (size & 1);
    }
    return false;
}

SoundSamples SamplesOfSound(int soundId) {
    SoundSamples sound;
    switch (soundId) {
    case IDR_LOCK_SOUND: ReadWave(LockSoundWav(), sound); break;
    case IDR_ROW_SOUND: ReadWave(RowSoundWav(), sound); break;
    default: break;
    }
    return sound;
}
