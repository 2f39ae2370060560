#pragma once

#include <QIcon>
#include <QImage>

// The pictures compiled into the clock: the wood the window is painted with, and its icon.

// The part of the wood picture the window shows, at its own size.
QImage WoodPicture();
QIcon WindowIcon();
