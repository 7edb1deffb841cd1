#pragma once
// The rules never wait. Where a step of a command would hold the thread (a
// sound played to its end, the 50 ms between the steps of MaxSpeed and
// MaxRows, the score offered to the table with its dialogs, the replay
// question, the end of the program) it ends instead with a request to the
// front end and a note of where it goes on. The front end carries the
// request out, as long as it takes, and resumes the rules with the answer.
//
// While one run of the rules waits for a dialog or a question, gravity and
// activation still reach the game (a desktop's nested message loop runs
// them), so a second run can stop on top of the first: the suspended runs
// form a short stack, and the request on top is the one to carry out.
#include <cstdint>

enum class Request : int32_t {
    None,
    Sound,       // value: sound 110 or 111, played to its end
    Wait,        // value: milliseconds; also a sound's step with the Sound option off
    OfferScore,  // the score and lines to the top-ten table, with its dialogs
    AskReplay,   // the replay question (kReplayQuestion, kReplayTitle); answer yes or no
    QuitProgram, // the program ends, without the exit confirmation; value: kQuitByExit
                 // when the player's confirmed exit command ends it
    // The score offer's own steps, which the dispatcher hands to the front
    // end in its place (commands/dispatch.h); the rules never stop for these.
    NameEntry,     // value: the place taken; the name box offers the overtaken row's name
    SaveSettings,  // the options and the table written to the settings file
    ScoreTable,    // the top-ten table, until it is closed
};

// Where a suspended run goes on once its request has been carried out.
enum class Resume : int32_t {
    LockAfterSound,       // LockPiece: merge the shape, then clear rows
    ClearAfterRowSound,   // row: the full row; count: rows removed before it
    GameOverAfterOffer,   // the replay question next
    GameOverAfterAnswer,  // a new game, or the end
    MaxSpeedAfterWait,    // count: steps left, this one included
    MaxRowsAfterWait,
    NewGameAfterOffer,    // the start command: continued by the dispatcher
    QuitAfterOffer,       // the exit command, confirmed: the end of the program next
    Ended,                // after QuitProgram nothing goes on
};

struct Suspension {
    Request request;
    int32_t value;
    Resume resume;
    int32_t row;
    int32_t count;
    int32_t sound;  // the sound a step stands for, also one kept silent; else 0
};

constexpr int kQuitByExit = 1;

// A sound's step with the Sound option off lasts this long, in silence.
constexpr int kSilentSoundMs = 100;

// Two runs at most stop on each other (the start command's offer under a
// game over); the rest is headroom.
constexpr int kMaxSuspensions = 4;

struct Steps {
    Suspension stack[kMaxSuspensions];
    int32_t depth;
    int32_t ended;  // QuitProgram was carried out: nothing of the game runs again
};

struct Game;

// The request on top of the stack, Request::None when the rules wait for
// nothing.
Request PendingRequest(const Game& game);
const Suspension& TopSuspension(const Game& game);
int StepDepth(const Game& game);
// A rule's last act when it must wait: the run stops here.
void Suspend(Game& game, Request request, int32_t value, Resume resume, int32_t row = 0, int32_t count = 0,
             int32_t sound = 0);
// The same for a sound's step: the sound to its end, or with the Sound
// option off a silent wait of kSilentSoundMs.
void SuspendForSound(Game& game, int soundId, Resume resume, int32_t row = 0, int32_t count = 0);
// The program is ending by the front end's own road (the exit box): every
// waiting run is abandoned and nothing of the game runs again.
void EndRules(Game& game);
