#pragma once

#include "core/document_source.h"
#include "tools/screen_capture.h"

#include <functional>

class QWidget;

using ScreenCaptureStarter = std::function<ScreenCapture *()>;

// "&Kapátko": hides the main window, asks for a picture of the whole screen and opens the
// eyedropper on it, full screen. While the desktop takes its time, a small note says what
// Velinor waits for and Escape (or its button) gives up the wait. When the screen cannot be
// captured, the main window comes back with a message why, and nothing is inserted. However it
// ends, the main window is shown again.
void startEyedropper(QWidget *mainWindow, DocumentSource documents,
                     ScreenCaptureStarter capture = &ScreenCapture::ofWholeScreen);

// How long an answer may take before the waiting note shows. A desktop that answers in time
// never shows it: once shown, the note is in the picture too. A portal started on demand took
// 1.2 s on a busy machine.
constexpr int kEyedropperWaitingNoteDelayMs = 3000;

// The message for a screen that could not be captured: what went wrong and what the desktop needs.
QString screenCaptureFailureText(ScreenCapture::Failure why);
