#include "commands/play.h"

#include "commands/input.h"
#include "game/random.h"

namespace {

struct VerbCommand {
    Verb verb;
    Command command;
};

constexpr VerbCommand kVerbCommands[] = {
    {Verb::New, Command::StartGame},      {Verb::Left, Command::MoveLeft},       {Verb::Right, Command::MoveRight},
    {Verb::Rotate, Command::Rotate},      {Verb::Release, Command::DownReleased}, {Verb::Pause, Command::TogglePauseIfRunning},
    {Verb::SpeedUp, Command::SpeedUp},    {Verb::SpeedDown, Command::SpeedDown}, {Verb::RowsUp, Command::RowsUp},
    {Verb::RowsDown, Command::RowsDown},  {Verb::MaxSpeed, Command::MaxSpeed},   {Verb::MaxRows, Command::MaxRows},
    {Verb::Down, Command::DownPressed},
};

}  // namespace

bool PlayScriptLine(Dispatcher& dispatcher, const ScriptLine& line) {
    for (const VerbCommand& pair : kVerbCommands) {
        if (pair.verb != line.verb) continue;
        RunCommand(dispatcher, pair.command, line.verb == Verb::Down && line.number != 0);
        return true;
    }
    switch (line.verb) {
    case Verb::Seed:
        if (dispatcher.record != nullptr) NoteSeed(*dispatcher.record, line.number);
        SeedRandom(dispatcher.game.random, line.number);
        return true;
    case Verb::Set: {
        Options options = dispatcher.game.options;
        options.*line.option->flag = static_cast<int32_t>(line.number);
        UseOptions(dispatcher, options);
        dispatcher.frontEnd.RepaintWindow();  // as the options dialog's OK shows them
        return true;
    }
    // The script's Down stays where its down and release lines left it.
    case Verb::Deactivate: RunActivation(dispatcher, kInactive, true, false); return true;
    case Verb::Activate: RunActivation(dispatcher, kActive, true, false); return true;
    default: return false;
    }
}
