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
