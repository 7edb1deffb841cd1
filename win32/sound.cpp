#include "win32/dialogs.h"

#include <mmsystem.h>

void PlayEffect(HINSTANCE instance, int soundId) {
    // Synchronous: the call returns when the sound has ended, or at once
    // when the device is busy (SND_NOWAIT).
    PlaySoundA(MAKEINTRESOURCEA(soundId), instance, SND_RESOURCE | SND_NOWAIT);
}
