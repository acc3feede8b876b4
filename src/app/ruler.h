#pragma once

#include <QWidget>

class SyntaxEdit;

// The strip above a document's text: a tick per character column, numbered every ten, following
// horizontal scrolling. A click moves the editor's right margin to the boundary clicked.
class Ruler : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 17;

    explicit Ruler(SyntaxEdit *editor, QWidget *parent = nullptr);

    // The left edge of the first visible text column, in the ruler's coordinates.
    int textLeft() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    SyntaxEdit *m_editor;
};
