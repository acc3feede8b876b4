#pragma once

#include <QImage>

// The whole primary screen as a 32-bit picture of the screen's size. Where a program may not read
// the screen itself (a Wayland session), the desktop's screenshot portal is asked instead. A null
// picture when neither way gives one.
QImage captureWholeScreen();

// The desktop's screenshot portal (org.freedesktop.portal.Screenshot on the session bus) asked for
// a picture of the whole screen without a dialog. The portal's file is removed once read. A null
// picture when there is no portal, the user cancels, the portal goes away before answering, or
// no answer comes within a minute.
QImage captureThroughPortal();
