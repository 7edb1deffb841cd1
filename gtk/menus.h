#pragma once
// The two popup menus at the pointer; a chosen item comes back as its
// command.
struct Program;

void OpenMainMenu(Program& program);
void OpenTrayMenu(Program& program);
