#include "css/css_style_generator.h"

#include "files/save_target.h"

#include <QStringList>

namespace {

const QChar kCr = QLatin1Char('\r');

// Collects property lines; every line ends in ";" and a carriage return.
class RuleWriter
{
public:
    void keyword(const char *name, const QString &value)
    {
        if (!value.isEmpty())
            line(QLatin1String(name) + value);
    }

    // Units stand right after the value; without a value nothing is written, whatever the units.
    void length(const char *name, const CssLength &length)
    {
        if (!length.value.isEmpty())
            line(QLatin1String(name) + length.value + length.units);
    }

    void colour(const char *name, const CssColour &colour)
    {
        if (colour.checked)
            line(QLatin1String(name) + colourText(colour.colour));
    }

    void url(const char *name, const QString &address)
    {
        if (!address.isEmpty())
            line(QLatin1String(name) + address + QLatin1Char(')'));
    }

    void line(const QString &declaration) { m_text += declaration + QLatin1Char(';') + kCr; }

    QString text() const { return m_text; }

private:
    QString m_text;
};

void writeDecoration(RuleWriter &out, const CssStyleFields &f)
{
    const std::pair<bool, const char *> keywords[] = {
        {f.underline, " underline"}, {f.overline, " overline"}, {f.lineThrough, " line-through"},
        {f.blink, " blink"}, {f.noDecoration, " none"},
    };
    QString line;
    for (const auto &[checked, keyword] : keywords) {
        if (checked)
            line += QLatin1String(keyword);
    }
    if (!line.isEmpty())
        out.line(QStringLiteral("text-decoration:") + line);
}

// Each part with its units whenever they are set, and always one space between the two parts.
void writeBackgroundPosition(RuleWriter &out, const CssStyleFields &f)
{
    const CssLength &h = f.horizontalPosition;
    const CssLength &v = f.verticalPosition;
    if (h.value.isEmpty() && v.value.isEmpty())
        return;
    QString line = QStringLiteral("background-position:");
    if (!h.value.isEmpty())
        line += QLatin1Char(' ') + h.value;
    line += h.units + QLatin1Char(' ') + v.value + v.units;
    out.line(line);
}

void writeBorderColours(RuleWriter &out, const CssStyleFields &f)
{
    QStringList colours;
    for (const CssColour *side : {&f.borderLeftColour, &f.borderRightColour, &f.borderTopColour, &f.borderBottomColour}) {
        if (side->checked)
            colours << colourText(side->colour);
    }
    if (!colours.isEmpty())
        out.line(QStringLiteral("border-color: ") + colours.join(QLatin1Char(' ')));
}

} // namespace

QString cssStyleText(const CssStyleFields &f)
{
    RuleWriter out;
    out.keyword("font-family: ", f.fontFamily);
    out.length("font-size: ", f.fontSize);
    out.keyword("font-weight: ", f.fontWeight);
    out.keyword("font-style: ", f.fontStyle);
    out.length("line-height: ", f.lineHeight);
    out.keyword("font-variant: ", f.fontVariant);
    out.colour("color: ", f.fontColour);
    out.keyword("text-transform: ", f.textTransform);
    writeDecoration(out, f);
    out.colour("background-color: ", f.backgroundColour);
    out.url("background-image: url(", f.backgroundImage);
    out.keyword("background-repeat: ", f.backgroundRepeat);
    out.keyword("background-attachment: ", f.backgroundAttachment);
    writeBackgroundPosition(out, f);
    out.length("word-spacing: ", f.wordSpacing);
    out.length("letter-spacing: ", f.letterSpacing);
    out.length("vertical-align: ", f.verticalAlign);
    out.keyword("text-align: ", f.textAlign);
    out.length("text-indent: ", f.textIndent);
    out.keyword("white-space: ", f.whiteSpace);
    out.keyword("float: ", f.floatSide);
    out.length("width: ", f.width);
    out.length("height: ", f.height);
    out.length("padding-left: ", f.paddingLeft);
    out.length("padding-right: ", f.paddingRight);
    out.length("padding-top: ", f.paddingTop);
    out.length("padding-bottom: ", f.paddingBottom);
    out.length("margin-left: ", f.marginLeft);
    out.length("margin-right: ", f.marginRight);
    out.length("margin-top: ", f.marginTop);
    out.length("margin-bottom: ", f.marginBottom);
    out.keyword("border-style: ", f.borderStyle);
    out.length("border-left-width: ", f.borderLeft);
    out.length("border-right-width: ", f.borderRight);
    out.length("border-top-width: ", f.borderTop);
    out.length("border-bottom-width: ", f.borderBottom);
    writeBorderColours(out, f);
    out.keyword("list-style-type: ", f.listType);
    out.keyword("list-style-position: ", f.listPosition);
    out.url("list-style-image: url(", f.listImage);
    out.keyword("page-break-before: ", f.pageBreakBefore);
    out.keyword("page-break-after: ", f.pageBreakAfter);
    out.keyword("cursor: ", f.cursor);
    out.keyword("filter: ", f.filter);
    out.colour("scrollbar-face-color: ", f.scrollFace);
    out.colour("scrollbar-highlight-color: ", f.scrollHighlight);
    out.colour("scrollbar-shadow-color: ", f.scrollShadow);
    out.colour("scrollbar-3dlight-color: ", f.scroll3dLight);
    out.colour("scrollbar-darkshadow-color: ", f.scrollDarkShadow);
    out.colour("scrollbar-arrow-color: ", f.scrollArrow);
    return QStringLiteral("body {") + kCr + kCr + out.text() + kCr + QLatin1Char('}');
}

QString cssStyleFilePath(const QString &projectFolder, const QString &name)
{
    // The window's caption: the ordinary save checks the same caption the same way.
    return projectFileFor(name + QStringLiteral(".css"), projectFolder);
}

QString emptyStyleRule(const QString &selector, const QString &className)
{
    QString rule = selector;
    if (!className.isEmpty())
        rule += QLatin1Char('.') + className;
    return rule + QStringLiteral("{}");
}
