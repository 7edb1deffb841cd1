#pragma once
// The private messages the main window sends to itself, synchronously but
// for ComeToFront, which it posts, and the game messages that travel as them.
#include <windows.h>

#include "commands/commands.h"

// Sent to a window whose monitor's scale changed (Windows 8.1 on); older
// headers lack the name.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace PrivateMsg {
constexpr unsigned NewGame = 0x7001;
constexpr unsigned RefreshPauseLabel = 0x7002;
constexpr unsigned ShowInfoSheetAbout = 0x7004;
constexpr unsigned MoveLeft = 0x7005;
constexpr unsigned MoveRight = 0x7006;
constexpr unsigned Rotate = 0x7007;
constexpr unsigned TrayNotify = 0x7009;
constexpr unsigned HideToTray = 0x700A;
constexpr unsigned ComeToFront = 0x700B;
}  // namespace PrivateMsg

struct GameMessageBinding {
    GameMessage game;
    unsigned message;
};

constexpr GameMessageBinding kGameMessages[] = {
    {GameMessage::NewGame, PrivateMsg::NewGame},
    {GameMessage::MoveLeft, PrivateMsg::MoveLeft},
    {GameMessage::MoveRight, PrivateMsg::MoveRight},
    {GameMessage::Rotate, PrivateMsg::Rotate},
};
