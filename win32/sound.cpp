#include "win32/dialogs.h"

#include <mmsystem.h>

void PlayEffect(HINSTANCE instance, const Options& options, int soundId) {
    // Synchronous: the call returns when the sound has ended, or at once
    // when the device is busy (SND_NOWAIT).
    if (options.sound != 0)
        PlaySoundA(MAKEINTRESOURCEA(soundId), instance, SND_RESOURCE | SND_NOWAIT);
    else
        Sleep(100);
}
