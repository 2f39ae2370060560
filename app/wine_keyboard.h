#pragma once

// Under Wine on an X server without a window manager (as the window is driven in tests), Wine
// leaves the keyboard focus of the windows it lets a window manager handle to that window
// manager, and so no window of the clock would ever get a key: a question could not be answered
// with Return. Asks Wine, before the first window, to place the clock's windows itself, which
// gives the active one the keyboard. Does nothing on Windows proper, and keeps a setting someone
// made for the clock in Wine.
void LetWineGiveTheKeyboardToTheWindows();
