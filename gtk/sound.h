#pragma once
// The two sounds, played to their end through PulseAudio's simple API
// (PipeWire desktops serve it too), each on a stream that lives only while
// it plays, with the game's media role.
#include <pulse/simple.h>

#include "media/bytes.h"

class Sounds {
public:
    Sounds();
    ~Sounds();
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

    // Sound 110 or 111, returning when it has been heard; at once when no
    // sound server answers (as a busy device on Windows).
    void Play(int soundId);

private:
    struct Wave;
    Wave* WaveFor(int soundId);

    Wave* lock_;
    Wave* row_;
};
