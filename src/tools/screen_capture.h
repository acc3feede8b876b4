#pragma once

#include <QImage>

// The whole primary screen as a 32-bit picture of the screen's size. Where a program may not read
// the screen itself (a Wayland session), the desktop's screenshot portal is asked instead. A null
// picture when neither way gives one.
QImage captureWholeScreen();
