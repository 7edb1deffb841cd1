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
    explicit Wave(int soundId) {
        SoundSamples sound = SamplesOfSound(soundId);
        format.format = PA_SAMPLE_U8;
        format.channels = static_cast<uint8_t>(sound.channels);
        format.rate = sound.rate;
        samples.swap(sound.samples);
    }
    pa_sample_spec format = {};
    Bytes samples;
};

namespace {

constexpr int kBufferMs = 20;
// What the desktop's mixer lists: the program, and its stream while a sound
// plays.
constexpr char kClientName[] = "Trelmo";
constexpr char kStreamName[] = "Trelmo game sounds";

}  // namespace

Sounds::Sounds() : lock_(new Wave(LockSound)), row_(new Wave(RowSound)) {
    // The simple API takes no properties; the connection reads them from
    // the environment. A game's role lets the desktop treat its sounds as
    // such (ducking, per-role volume).
    g_setenv("PULSE_PROP_media.role", "game", FALSE);
    g_setenv("PULSE_PROP_application.icon_name", "trelmo", FALSE);
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
