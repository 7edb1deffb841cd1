#pragma once
// The main window's procedure and what happens when it is closed and
// destroyed.
#include <windows.h>

struct Program;

constexpr char kWindowClass[] = "PDLTrelmo";
constexpr char kWindowTitle[] = "Trelmo";

// The state the window procedure works on; set before the window exists.
void AttachProgram(Program* program);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The close command: asks first, offers the score to the table after a Yes,
// then lets the window be destroyed.
void ConfirmExit(HWND window, Program& program, LPARAM lParam);
// Window destruction: the tray icon, the memory surfaces and the timer go,
// and the message loop is told to end. Runs once.
void Shutdown(HWND window, Program& program);
