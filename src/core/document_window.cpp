#include "core/document_window.h"

#include <QCloseEvent>

bool DocumentWindow::FormCloseQuery()
{
    return !m_closeCheck || m_closeCheck();
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}
