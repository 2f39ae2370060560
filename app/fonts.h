#pragma once

#include <QFont>

// The proportional Japanese Gothic face the window was drawn for, or the nearest stand-in this
// machine has, at a size in pixels.
QFont GothicFont(int pixelSize);
