#pragma once

#include "editor/edit.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// The date and time commands: the current moment written in the desktop's regional formats.

// The locale's long time format cut down to hours, minutes and seconds (and its 12-hour suffix):
// the time-zone name goes, with the separators or brackets that only framed it.
QString longTimeFormatWithoutZone(const QLocale &locale);

// The locale's short date; its long time without the time zone.
QString regionalDate(const QLocale &locale, const QDate &date);
QString regionalTime(const QLocale &locale, const QTime &time);

enum class TimeStamp { Time, Date, DateThenTime, TimeThenDate };

// What a date or time command inserts for the given moment: one insertion, the caret after it.
// The combined stamps put one space between the parts and take both from the same moment, so a
// stamp taken at midnight never pairs one day's date with the next day's time.
Edit timeStampEdit(TimeStamp stamp, const QLocale &locale, const QDateTime &now);
