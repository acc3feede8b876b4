#pragma once

#include "base/colour.h"
#include "core/document_source.h"

#include <QImage>
#include <QWidget>

class ColourSample;
class QLabel;

// "Kapátko", the eyedropper: a borderless, full-screen still picture of the screen with a crosshair;
// a swatch follows the mouse with the colour under it, and a click inserts that colour ("#RRGGBB")
// into the active document and closes the window. Not modal; deletes itself when closed.
class TKapatko_Form : public QWidget
{
    Q_OBJECT

public:
    TKapatko_Form(const QImage &screen, DocumentSource documents);

    // The picture's colour at a point of the window (logical pixels, as mouse events give them);
    // white outside the picture.
    Rgb colourAt(const QPointF &position) const;

signals:
    // However the window closes.
    void closed();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QImage m_screen;
    DocumentSource m_documents;
    QLabel *Image_Screen;
    ColourSample *Shape_AktBarva;
};
