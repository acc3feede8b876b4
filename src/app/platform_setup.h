#pragma once

class QIcon;

// What Velinor asks of the desktop platform before its first window is built: the platform's own
// texts in Czech, a fixed icon theme and Velinor's window icon.

// Loads Qt's Czech translations (buttons of message boxes, the file, font, colour and print
// dialogs), whatever the user's locale is. False when they are not installed.
bool loadCzechPlatformTexts();

// Makes the Breeze icon theme, loaded from its resource file, the theme that icons are looked up
// in, so menus and toolbars look the same on every desktop. False when the file is missing; the
// desktop's own theme then answers.
bool useBundledIconTheme();

// Velinor's own icon.
QIcon velinorIcon();

// All of the above, and the icon as every window's icon.
void setUpPlatform();
