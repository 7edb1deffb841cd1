// trelmo-play-sounds SECONDS: plays the lock sound as the game does, stays
// idle that long, then plays the row sound: what a sound server sees of the
// program around one idle spell.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "game/host.h"
#include "gtk/sound.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trelmo-play-sounds SECONDS\n");
        return 2;
    }
    Sounds sounds;
    sounds.Play(LockSound);
    std::puts("played");
    std::fflush(stdout);
    sleep(static_cast<unsigned>(std::atoi(argv[1])));
    sounds.Play(RowSound);
    return 0;
}
