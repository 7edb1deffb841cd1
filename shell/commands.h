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
namespace PrivateMsg {
constexpr unsigned NewGame = 0x7001;
constexpr unsigned RefreshPauseLabel = 0x7002;
constexpr unsigned ShowInfoSheetAbout = 0x7004;
constexpr unsigned MoveLeft = 0x7005;
constexpr unsigned MoveRight = 0x7006;
constexpr unsigned Rotate = 0x7007;
constexpr unsigned TrayNotify = 0x7009;
constexpr unsigned HideToTray = 0x700A;
}  // namespace PrivateMsg

// Items of the popup menus.
constexpr int CmdRestore = 201;
constexpr int CmdExit = 202;
constexpr int CmdHide = 203;
constexpr int CmdHighScores = 204;
constexpr int CmdKeyHelp = 205;
constexpr int CmdMaxSpeed = 206;
constexpr int CmdMaxRows = 207;
constexpr int CmdAbout = 208;

// Pages of the information sheet.
constexpr int kAboutPage = 0;
constexpr int kKeyHelpPage = 1;
