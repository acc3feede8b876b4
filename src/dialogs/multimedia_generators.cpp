#include "dialogs/multimedia_generators.h"

#include "dialogs/attribute_text.h"

Edit marqueeEdit(const MarqueeFields &f)
{
    const QString endTag = QStringLiteral("</marquee>");
    if (f.behavior.isEmpty() && f.alignment.isEmpty() && f.direction.isEmpty() && f.loop.isEmpty())
        return Edit().insert(QStringLiteral("<marquee>") + endTag).left(int(endTag.size()));

    QString text = QStringLiteral("<marquee");
    text += optionalAttribute(QStringLiteral("behavior"), f.behavior);
    text += optionalAttribute(QStringLiteral("align"), f.alignment);
    text += optionalAttribute(QStringLiteral("direction"), f.direction);
    text += optionalAttribute(QStringLiteral("loop"), f.loop);
    text += tickedAttribute(f.showColour, QStringLiteral("color"), colourText(f.colour));
    text += tickedAttribute(f.showHspace, QStringLiteral("hspace"), f.hspace);
    text += tickedAttribute(f.showVspace, QStringLiteral("vspace"), f.vspace);
    text += tickedAttribute(f.showWidth, QStringLiteral("width"), f.width);
    text += tickedAttribute(f.showHeight, QStringLiteral("height"), f.height);
    // The attribute names are written as the program has always written them.
    text += tickedAttribute(f.showDelay, QStringLiteral("scrooldelay"), f.delay);
    text += tickedAttribute(f.showAmount, QStringLiteral("scroolamount"), f.amount);
    return Edit().insert(text + QLatin1Char('>') + endTag).left(int(endTag.size()));
}

Edit embedEdit(const EmbedFields &f)
{
    const QString endTag = QStringLiteral("</embed>");
    if (f.path.isEmpty())
        return Edit().insert(QStringLiteral("<embed>") + endTag).left(int(endTag.size()));

    QString text = QStringLiteral("<embed");
    text += attributePiece(QStringLiteral("src"), f.path);
    text += optionalAttribute(QStringLiteral("palette"), f.palette);
    text += tickedAttribute(f.showHeight, QStringLiteral("height"), f.height);
    text += tickedAttribute(f.showWidth, QStringLiteral("width"), f.width);
    for (const QString &line : f.parameters)
        text += QLatin1Char(' ') + line;
    return Edit().insert(text + QLatin1Char('>') + endTag).left(int(endTag.size()));
}

Edit soundEdit(const SoundFields &f)
{
    if (f.path.isEmpty())
        return Edit().insert(QStringLiteral("<bgsound >")).left(1);
    return Edit().insert(QStringLiteral("<bgsound") + attributePiece(QStringLiteral("dynsrc"), f.path)
                         + optionalAttribute(QStringLiteral("loop"), f.loop) + QLatin1Char('>'));
}

Edit videoEdit(const VideoFields &f)
{
    if (f.path.isEmpty())
        return Edit().insert(QStringLiteral("<img >")).left(1);
    QString text = QStringLiteral("<img");
    text += attributePiece(QStringLiteral("dynsrc"), f.path);
    text += tickedAttribute(f.showLoop, QStringLiteral("loop"), f.loop);
    text += optionalAttribute(QStringLiteral("start"), f.start);
    if (f.controls)
        text += QStringLiteral(" controls");
    return Edit().insert(text + QLatin1Char('>'));
}
