#pragma once
// The two sounds as complete RIFF/WAVE files: PCM, mono, 8 bits per sample
// (unsigned, silence 128), each with a format, a fact and a data chunk.
#include "media/bytes.h"

// Wave 110, played as a shape settles: a short low thud, 11025 Hz, 1539
// samples (about 140 ms), 16-byte format chunk, nothing after the data.
Bytes LockSoundWav();

// Wave 111, played for each removed row: a bright two-note chime, 8000 Hz,
// 671 samples (about 84 ms), 18-byte format chunk with an empty extension,
// and a LIST/INFO chunk describing it after the data.
Bytes RowSoundWav();

// A sound's samples and their format, as a player needs them: 8-bit
// unsigned PCM, mono or stereo, interleaved.
struct SoundSamples {
    uint32_t rate = 0;
    int channels = 0;
    Bytes samples;
};

// Reads the "fmt " and "data" chunks of a RIFF/WAVE file, skipping any
// other; false for a file that is not 8-bit PCM, mono or stereo, or is cut
// short.
bool ReadWave(const Bytes& file, SoundSamples& sound);

// Sound 110 or 111 (IDR_LOCK_SOUND, IDR_ROW_SOUND) read from its file, for
// every front end that plays the samples itself; empty for another id.
SoundSamples SamplesOfSound(int soundId);
