#include "dialogs/frame_generators.h"

#include "base/program_folder.h"
#include "dialogs/attribute_text.h"

namespace {

QString scrollingAndBorder(FrameScrolling scrolling, FrameBorder border)
{
    QString value;
    switch (scrolling) {
    case FrameScrolling::Auto: value = QStringLiteral("auto"); break;
    case FrameScrolling::Yes: value = QStringLiteral("yes"); break;
    case FrameScrolling::No: value = QStringLiteral("no"); break;
    }
    return attributePiece(QStringLiteral("scrolling"), value)
        + attributePiece(QStringLiteral("frameborder"),
                         border == FrameBorder::Yes ? QStringLiteral("yes") : QStringLiteral("no"));
}

} // namespace

Edit framesetEdit(const FramesetFields &f)
{
    QString text = QStringLiteral("<frameset");
    text += optionalAttribute(QStringLiteral("cols"), f.columns);
    text += optionalAttribute(QStringLiteral("rows"), f.rows);
    text += gatedAttribute(f.showSpacing, QStringLiteral("framespacing"), f.spacing);
    text += scrollingAndBorder(f.scrolling, f.border);
    return containerEdit(text, QStringLiteral("frameset"));
}

Edit frameEdit(const QString &tagName, const FrameFields &f)
{
    QString text = QLatin1Char('<') + tagName;
    if (!f.path.isEmpty()) {
        // The file name is taken from the field, so a path typed by hand gives its name too.
        switch (f.form) {
        case FrameFields::PathForm::None: break;
        case FrameFields::PathForm::Relative: text += attributePiece(QStringLiteral("src"), fileNameOf(f.path)); break;
        case FrameFields::PathForm::Absolute: text += attributePiece(QStringLiteral("src"), f.path); break;
        }
    }
    text += optionalAttribute(QStringLiteral("name"), f.name);
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += gatedAttribute(f.showMarginHeight, QStringLiteral("marginheight"), f.marginHeight);
    text += gatedAttribute(f.showMarginWidth, QStringLiteral("marginwidth"), f.marginWidth);
    text += scrollingAndBorder(f.scrolling, f.border);
    text += QLatin1Char('>');
    return Edit().insert(text);
}
