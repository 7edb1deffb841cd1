#include "commands/record.h"

#include <cstring>

#include "game/difficulty.h"
#include "replay/script.h"
#include "store/option_keys.h"

namespace {

// Longest speed road a record holds: the climb to level 10, a thousand
// round trips over level 11 and the way back.
constexpr int kMaxSpeedPath = 2 * 1000 + 2 * kMaxSpeedLevel;

void Lose(GameRecord& record) {
    record.state = RecordState::Lost;
    record.length = 0;
    record.ticksRun = 0;
}

void Append(GameRecord& record, const ScriptLine& line) {
    if (record.state != RecordState::Playing) return;
    const int written = WriteScriptLine(line, record.text + record.length, kRecordBytes - record.length);
    if (written == 0) return Lose(record);
    record.length += written;
    ++record.changes;
}

void AppendVerb(GameRecord& record, Verb verb, uint32_t number = 0) { Append(record, ScriptLine{verb, number, nullptr, nullptr}); }

void WriteTicks(GameRecord& record) {
    if (record.ticksRun == 0) return;
    const uint32_t count = record.ticksRun;
    record.ticksRun = 0;
    AppendVerb(record, Verb::Tick, count);
}

// The verb of a command that changes the game, or false for the others.
bool VerbOf(Command command, bool ctrlHeld, ScriptLine& line) {
    line = ScriptLine{Verb::Left, 0, nullptr, nullptr};
    switch (command) {
    case Command::MoveLeft: line.verb = Verb::Left; break;
    case Command::MoveRight: line.verb = Verb::Right; break;
    case Command::Rotate:
    case Command::RotateNow: line.verb = Verb::Rotate; break;
    case Command::DownPressed:
        line.verb = Verb::Down;
        line.number = ctrlHeld ? 1 : 0;
        break;
    case Command::DownReleased: line.verb = Verb::Release; break;
    case Command::TogglePause:
    case Command::TogglePauseIfRunning: line.verb = Verb::Pause; break;
    case Command::SpeedUp: line.verb = Verb::SpeedUp; break;
    case Command::SpeedDown: line.verb = Verb::SpeedDown; break;
    case Command::RowsUp: line.verb = Verb::RowsUp; break;
    case Command::RowsDown: line.verb = Verb::RowsDown; break;
    case Command::MaxSpeed: line.verb = Verb::MaxSpeed; break;
    case Command::MaxRows: line.verb = Verb::MaxRows; break;
    case Command::AutoPause: line.verb = Verb::Deactivate; break;
    case Command::AutoResume: line.verb = Verb::Activate; break;
    default: return false;
    }
    return true;
}

// Where a suspended run goes on after the game it belongs to is over.
bool EndsTheGame(Resume resume) {
    return resume == Resume::GameOverAfterOffer || resume == Resume::GameOverAfterAnswer ||
           resume == Resume::NewGameAfterOffer || resume == Resume::QuitAfterOffer || resume == Resume::Ended;
}

// The interval of each level on the way up from the start.
int32_t ClimbInterval(int32_t level) { return level <= 10 ? kStartInterval - 100 * level : 100 - 10 * (level - 10); }

}  // namespace

// Up from level 10 to 11 takes 10 ms off, down again puts 100 on: each such
// round trip leaves the interval 90 ms longer. Levels 0 and 19 reset it
// (1000 on the way down, 0 on the way up). So every interval of a level
// between is its climbing value, or 100 ms less (after one step down at
// level 0), plus some number of round trips.
int SpeedPath(int32_t level, int32_t interval, bool* upwards, int capacity) {
    int count = 0;
    const auto take = [&](bool up, int times) {
        for (int i = 0; i < times; ++i) {
            if (count < capacity) upwards[count] = up;
            ++count;
        }
    };
    if (level == 0 && (interval == kStartInterval || interval == kStartInterval - 100)) {
        take(false, interval == kStartInterval ? 0 : 1);
    } else if (level == kMaxSpeedLevel && interval == 0) {
        take(true, kMaxSpeedLevel);
    } else if (level > 0 && level < kMaxSpeedLevel) {
        int32_t beyond = interval - ClimbInterval(level);
        if (beyond < 0 || beyond % 90 != 0) {
            beyond += 100;
            if (beyond < 0 || beyond % 90 != 0) return -1;
            take(false, 1);
        }
        const int32_t roundTrips = beyond / 90;
        if (roundTrips > (capacity - count) / 2) return -1;
        if (roundTrips == 0) {
            take(true, level);
        } else {
            take(true, 10);
            for (int32_t i = 0; i < roundTrips; ++i) {
                take(true, 1);
                take(false, 1);
            }
            if (level > 10) take(true, level - 10);
            else take(false, 10 - level);
        }
    } else {
        return -1;
    }
    return count <= capacity ? count : -1;
}

void BeginRecord(GameRecord& record, const Game& game) {
    const GameState& s = game.state;
    record.state = RecordState::Playing;
    record.length = 0;
    record.ticksRun = 0;
    ++record.changes;
    static bool upwards[kMaxSpeedPath];
    const int steps = SpeedPath(s.speedLevel, s.interval, upwards, kMaxSpeedPath);
    if (steps < 0) return Lose(record);
    AppendVerb(record, Verb::Seed, game.random.state);
    for (const OptionKey& key : kOptionKeys)
        if (key.flag != &Options::sound) Append(record, ScriptLine{Verb::Set, static_cast<uint32_t>(game.options.*key.flag), &key, nullptr});
    for (int i = 0; i < steps; ++i) AppendVerb(record, upwards[i] ? Verb::SpeedUp : Verb::SpeedDown);
    for (int i = 0; i < s.startRows + (record.rowsUpGreyed ? 1 : 0); ++i) AppendVerb(record, Verb::RowsUp);
    AppendVerb(record, Verb::New);
    // What a new game leaves as the last one left it: a fast fall once
    // started stays on until a drop, and a pause taken by losing activation
    // during the replay question stays marked as that.
    if (s.fastFall == 1) {
        // Only the drop style starts a fast fall.
        const OptionKey& dropStyle = kOptionKeys[0];
        const bool fallsFast = game.options.dropStyle != 0;
        if (!fallsFast) Append(record, ScriptLine{Verb::Set, 1, &dropStyle, nullptr});
        AppendVerb(record, Verb::Down, 1);
        AppendVerb(record, Verb::Release);
        if (!fallsFast) Append(record, ScriptLine{Verb::Set, 0, &dropStyle, nullptr});
    }
    if (s.autoPaused == 1) {
        AppendVerb(record, Verb::Deactivate);
        AppendVerb(record, Verb::Pause);
    }
}

void NoteCommand(GameRecord& record, const Game& game, Command command, bool ctrlHeld) {
    // The grey RowsUp is the one thing of the buttons the state does not say.
    if (command == Command::RowsUp && game.state.startRows >= kMaxStartRows) record.rowsUpGreyed = true;
    if (command == Command::MaxRows) record.rowsUpGreyed = true;
    if (command == Command::RowsDown) record.rowsUpGreyed = false;
    ScriptLine line;
    if (record.state != RecordState::Playing || !VerbOf(command, ctrlHeld, line)) return;
    WriteTicks(record);
    Append(record, line);
}

// A tick of a paused game does nothing: the script leaves it out, so that
// a pause costs nothing to keep.
void NoteTick(GameRecord& record, const Game& game) {
    if (record.state != RecordState::Playing || game.state.paused == 1) return;
    ++record.ticksRun;
    ++record.changes;
}

void NoteOptions(GameRecord& record, const Options& before, const Options& after) {
    if (record.state != RecordState::Playing) return;
    for (const OptionKey& key : kOptionKeys) {
        if (key.flag == &Options::sound || before.*key.flag == after.*key.flag) continue;
        WriteTicks(record);
        Append(record, ScriptLine{Verb::Set, static_cast<uint32_t>(after.*key.flag), &key, nullptr});
    }
}

void NoteSeed(GameRecord& record, uint32_t seed) {
    if (record.state != RecordState::Playing) return;
    WriteTicks(record);
    AppendVerb(record, Verb::Seed, seed);
}

void NoteGameState(GameRecord& record, const Game& game) {
    if (record.state != RecordState::Playing) return;
    bool over = game.steps.ended != 0;
    for (int i = 0; i < game.steps.depth; ++i) over = over || EndsTheGame(game.steps.stack[i].resume);
    if (!over) return;
    WriteTicks(record);
    if (record.state != RecordState::Playing) return;
    record.state = RecordState::Ended;
    std::memcpy(record.ended, record.text, static_cast<size_t>(record.length));
    record.endedLength = record.length;
}

const char* EndedScript(const GameRecord& record, int& length) {
    length = record.endedLength;
    return length > 0 ? record.ended : nullptr;
}

const char* RecordScript(GameRecord& record, int& length) {
    length = 0;
    if (record.state != RecordState::Playing && record.state != RecordState::Ended) return nullptr;
    length = record.length;
    // The ticks since the last line go after it, where the next line will
    // be written over them.
    if (record.ticksRun > 0) {
        const int written = WriteScriptLine(ScriptLine{Verb::Tick, record.ticksRun, nullptr, nullptr},
                                            record.text + record.length, kRecordBytes - record.length);
        if (written == 0) return nullptr;
        length += written;
    }
    return record.text;
}
