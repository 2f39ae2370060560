#pragma once

class QPushButton;

// Gives a push button a flat face in its back colour: every pixel inside the edge is exactly the
// palette's Button colour (what SetBackColour sets), framed by a one-pixel outline and a bevel
// that stands out while the button is up and sinks while it is held down. The rest (caption,
// font, focus) is drawn by the Fusion style, whatever style the application runs under.
void PaintFaceFlat(QPushButton* button);
