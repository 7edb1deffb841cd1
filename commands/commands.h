#pragma once
// What an input asks the game to do. The input tables map raw input onto
// these; the dispatcher (commands/dispatch.h) carries them out for every
// front end.
enum class Command {
    None,
    // Game commands. MoveLeft, MoveRight and Rotate travel through the front
    // end (as private messages on Windows); RotateNow is the middle button's
    // direct call.
    MoveLeft,
    MoveRight,
    Rotate,
    RotateNow,
    DownPressed,
    DownReleased,
    TogglePause,           // the pause button: enabled only during a game
    TogglePauseIfRunning,  // F3: nothing before the first game
    StartGame,             // the high-score check, then NewGame
    SpeedUp,
    SpeedDown,
    RowsUp,
    RowsDown,
    MaxSpeed,
    MaxRows,
    AutoPause,
    AutoResume,
    // Shell commands.
    Hide,  // minimise, then HideToTray
    Restore,
    Exit,  // the close command, which asks first
    ShowAbout,
    ShowKeyHelp,
    ShowOptions,
    ShowHighScores,
    OpenMainMenu,
    CloseMenu,  // a request waits for the open menu to go
};

// The game commands that travel through the front end's own channel
// before they run: on Windows, the private messages the main window sends
// to itself.
enum class GameMessage { NewGame, MoveLeft, MoveRight, Rotate };

// Items of the popup menus.
constexpr int CmdRestore = 201;
constexpr int CmdExit = 202;
constexpr int CmdHide = 203;
constexpr int CmdHighScores = 204;
constexpr int CmdKeyHelp = 205;
constexpr int CmdMaxSpeed = 206;
constexpr int CmdMaxRows = 207;
constexpr int CmdAbout = 208;
// The page's main menu only: the game going on, and the last that ended,
// as a link.
constexpr int CmdShareGame = 209;
constexpr int CmdShareLast = 210;

// Pages of the information sheet.
constexpr int kAboutPage = 0;
constexpr int kKeyHelpPage = 1;
