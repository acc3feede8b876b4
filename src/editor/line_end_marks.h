#pragma once

#include "base/text_file.h"

#include <QString>

class QPainter;
class QsciScintillaBase;

// The marks that show where lines end while non-printable characters are shown. The component
// keeps every document's lines joined by "\n" and would mark each end "LF"; Velinor marks them
// with the break the document is saved with instead.

// "CR LF", "CR" or "LF".
QString lineEndMark(LineBreak lineBreak);

// Paints `mark` after the end of every visible line that has a line after it, as the component
// paints its own marks: the text in the paper colour on a rounded block of the text colour.
void paintLineEndMarks(QsciScintillaBase &editor, QPainter &painter, const QString &mark);
