#pragma once
// What an input asks the main window to do. The input tables map raw input
// onto these; the window procedure carries them out.
enum class Command {
    None,
    // Game commands. MoveLeft, MoveRight and Rotate travel as private
    // messages; RotateNow is the middle button's direct call.
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
};

// The private messages the main window sends to itself, always synchronously.
constexpr unsigned kMsgNewGame = 0x7001;
constexpr unsigned kMsgRefreshPauseLabel = 0x7002;
constexpr unsigned kMsgShowInfoSheetAbout = 0x7004;
constexpr unsigned kMsgMoveLeft = 0x7005;
constexpr unsigned kMsgMoveRight = 0x7006;
constexpr unsigned kMsgRotate = 0x7007;
constexpr unsigned kMsgTrayNotify = 0x7009;
constexpr unsigned kMsgHideToTray = 0x700A;

// Items of the popup menus.
constexpr int kCmdRestore = 201;
constexpr int kCmdExit = 202;
constexpr int kCmdHide = 203;
constexpr int kCmdHighScores = 204;
constexpr int kCmdKeyHelp = 205;
constexpr int kCmdMaxSpeed = 206;
constexpr int kCmdMaxRows = 207;
constexpr int kCmdAbout = 208;

// Pages of the information sheet.
constexpr int kAboutPage = 0;
constexpr int kKeyHelpPage = 1;
