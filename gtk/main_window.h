#pragma once
// The main window: its creation with the seven buttons, its signal
// handlers, the exit confirmation and the end of the program.
struct Program;

// The 479 x 340 client area, fixed, placed as on Windows; false when GTK
// cannot make it.
bool CreateMainWindow(Program& program);
// One expiry of the gravity timer.
void RunGravityStep(Program& program);
// The whole window from the state, shown at once (after the options change
// the look).
void RepaintWindow(Program& program);
// The close command: the exit box first, then a last high-score check.
void ConfirmExit(Program& program);
// Removes the icon, stops the timer and ends every main loop.
void ShutDown(Program& program);
