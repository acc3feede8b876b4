#include "app/status_texts.h"

QString statusPositionText(const TextPosition &caret, int lineCount, qint64 statusLength)
{
    return QStringLiteral("%1/%2 : %3/%4").arg(caret.line).arg(caret.column).arg(lineCount).arg(statusLength);
}

int statusPanelLeft(int panel)
{
    int left = 0;
    for (int i = 0; i < panel && i < int(kStatusPanelWidths.size()); ++i)
        left += kStatusPanelWidths[size_t(i)];
    return left;
}

StatusBarHint statusBarHintAt(int x, const QString panelTexts[4])
{
    static const char *const hints[4] = {
        "Zobrazeni: [aktuální pozice kurzoru : celkový počet řádků]|[aktuální pozice kurzoru : celkový počet řádků] ",
        "Zobrazuje stav dokumentu|Stav aktuálního dokumentu: ",
        "Zobrazení zvýrazněného jazyka|Zvýraznění nastaveno na: ",
        "Zobrazuje stav klavesy INSERT|Stav klávesy: ",
    };
    for (int panel = 0; panel < 4; ++panel) {
        const int left = statusPanelLeft(panel);
        if (x >= left + 1 && x <= left + kStatusPanelWidths[size_t(panel)])
            return {panel, QString::fromUtf8(hints[panel]) + panelTexts[panel]};
    }
    return {};
}

bool statusBarPressTogglesMode(int x)
{
    // The mode panel, its left border included.
    const int left = statusPanelLeft(3);
    return x >= left && x <= left + kStatusPanelWidths[3];
}
