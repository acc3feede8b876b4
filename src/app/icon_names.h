#pragma once

#include <QString>

// The pictures of menu items, pop-up items and buttons: standard freedesktop icon names, looked up
// by the control's object name. Empty for controls that show no icon (check items among them: a
// picture would hide their check mark).
QString iconNameOf(const QString &objectName);
