#include "app/status_texts.h"

QString statusPositionText(const TextPosition &caret, int lineCount, qint64 statusLength)
{
    return QStringLiteral("%1/%2 : %3/%4").arg(caret.line).arg(caret.column).arg(lineCount).arg(statusLength);
}

StatusBarHint statusBarHintAt(int x, const QString panelTexts[4])
{
    if (x >= 1 && x <= 100)
        return {0, QStringLiteral("Zobrazeni: [aktuální pozice kurzoru : celkový počet řádků]|"
                                  "[aktuální pozice kurzoru : celkový počet řádků] ") + panelTexts[0]};
    if (x >= 101 && x <= 170)
        return {1, QStringLiteral("Zobrazuje stav dokumentu|Stav aktuálního dokumentu: ") + panelTexts[1]};
    if (x >= 171 && x <= 350)
        return {2, QStringLiteral("Zobrazení zvýrazněného jazyka|Zvýraznění nastaveno na: ") + panelTexts[2]};
    if (x >= 351 && x <= 430)
        return {3, QStringLiteral("Zobrazuje stav klavesy INSERT|Stav klávesy: ") + panelTexts[3]};
    return {};
}

bool statusBarPressTogglesMode(int x)
{
    return x >= 350 && x <= 430;
}
