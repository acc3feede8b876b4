#include "tools/kapatko_form.h"

#include "widgets/dialog_parts.h"
#include "editor/edit.h"
#include "editor/text_document.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QtMath>

TKapatko_Form::TKapatko_Form(const QImage &screen, DocumentSource documents)
    : QWidget(nullptr, Qt::FramelessWindowHint), m_screen(screen), m_documents(std::move(documents))
{
    setObjectName(QStringLiteral("TKapatko_Form"));
    setWindowTitle(QString::fromUtf8("Kapátko"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);

    Image_Screen = new QLabel(this);
    Image_Screen->setObjectName(QStringLiteral("Image_Screen"));
    Image_Screen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image_Screen->setMouseTracking(true);
    Image_Screen->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!m_screen.isNull())
        Image_Screen->setPixmap(QPixmap::fromImage(m_screen));
    Shape_AktBarva = new ColourSample(this);
    Shape_AktBarva->setObjectName(QStringLiteral("Shape_AktBarva"));
    Shape_AktBarva->setFixedSize(25, 25);
    Shape_AktBarva->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image_Screen);
    Shape_AktBarva->raise();
}

Rgb TKapatko_Form::colourAt(const QPointF &position) const
{
    // The picture fills the full-screen window from its top-left corner, which lies on the
    // screen's, one logical pixel of the window over devicePixelRatio pixels of the picture.
    const QPointF scaled = position * m_screen.devicePixelRatio();
    const QPoint pixel(qFloor(scaled.x()), qFloor(scaled.y()));
    if (!m_screen.valid(pixel))
        return Rgb{};
    const QRgb value = m_screen.pixel(pixel);
    return {qRed(value), qGreen(value), qBlue(value)};
}

void TKapatko_Form::mouseMoveEvent(QMouseEvent *event)
{
    Shape_AktBarva->setColour(colourAt(event->position()));
    Shape_AktBarva->move(event->position().toPoint() + QPoint(5, 5));
}

void TKapatko_Form::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Without a document the click only ends the tool, so the main window comes back.
    if (TextDocument *document = m_documents ? m_documents() : nullptr)
        apply(Edit().insert(colourText(colourAt(event->position()))), *document);
    close();
}

void TKapatko_Form::keyPressEvent(QKeyEvent *event)
{
    // A window over the whole screen: Escape gives it up as the close command does.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TKapatko_Form::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}
