#pragma once

// Under Wine on an X server without a window manager (as the programs are driven in tests), Wine
// leaves the keyboard focus of the windows it lets a window manager handle to that window
// manager, and so no window of the program would ever get a key: a question or a message box
// could not be answered with Return or Escape. Asks Wine, before the first window, to place the
// program's windows itself, which gives the active one the keyboard. Does nothing on Windows
// proper, and keeps a setting someone made for the program in Wine.
void LetWineGiveTheKeyboardToTheWindows();
