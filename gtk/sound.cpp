#include "gtk/sound.h"

#include <glib.h>
#include <pulse/error.h>
#include <pulse/sample.h>

#include <cstring>
#include <string>

#include "game/host.h"
#include "media/sounds.h"

// One sound: its samples and format from the same RIFF/WAVE data the
// Windows program carries.
struct Sounds::Wave {
    pa_sample_spec format = {};
    Bytes samples;
};

namespace {

constexpr int kPcm = 1;
constexpr int kBufferMs = 20;
// What the desktop's mixer lists: the program, and its stream while a sound
// plays.
constexpr char kClientName[] = "Trelmo";
constexpr char kStreamName[] = "Trelmo game sounds";

uint32_t U32(const Bytes& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t{bytes[at + 3]} << 24);
}

}  // namespace

// Reads the "fmt " and "data" chunks, skipping any other.
bool ReadWave(const Bytes& file, pa_sample_spec& format, Bytes& samples) {
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
            format.format = PA_SAMPLE_U8;
            format.channels = static_cast<uint8_t>(channels);
            format.rate = U32(file, body + 4);
            haveFormat = true;
        } else if (std::memcmp(file.data() + at, "data", 4) == 0) {
            samples.assign(file.begin() + static_cast<long>(body), file.begin() + static_cast<long>(body + size));
            return haveFormat;
        }
        at = body + size + (size & 1);
    }
    return false;
}

Sounds::Sounds() : lock_(new Wave), row_(new Wave) {
    // The simple API takes no properties; the connection reads them from
    // the environment. A game's role lets the desktop treat its sounds as
    // such (ducking, per-role volume).
    g_setenv("PULSE_PROP_media.role", "game", FALSE);
    g_setenv("PULSE_PROP_application.icon_name", "trelmo", FALSE);
    ReadWave(LockSoundWav(), lock_->format, lock_->samples);
    ReadWave(RowSoundWav(), row_->format, row_->samples);
}

Sounds::~Sounds() {
    delete lock_;
    delete row_;
}

Sounds::Wave* Sounds::WaveFor(int soundId) {
    switch (soundId) {
    case LockSound: return lock_;
    case RowSound: return row_;
    default: return nullptr;
    }
}

void Sounds::Play(int soundId) {
    Wave* wave = WaveFor(soundId);
    if (wave == nullptr || wave->samples.empty()) return;
    // The stream lives only while the sound plays: an idle or paused game
    // keeps no stream open, and the sound device may sleep.
    // A short buffer: the server's default holds seconds, and the drain
    // would wait for it.
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = static_cast<uint32_t>(pa_usec_to_bytes(kBufferMs * 1000, &wave->format));
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);
    pa_simple* stream = pa_simple_new(nullptr, kClientName, PA_STREAM_PLAYBACK, nullptr, kStreamName, &wave->format,
                                      nullptr, &buffer, nullptr);
    if (stream == nullptr) return;  // no sound server: as a busy device
    if (pa_simple_write(stream, wave->samples.data(), wave->samples.size(), nullptr) == 0)
        pa_simple_drain(stream, nullptr);
    pa_simple_free(stream);
}
