#pragma once

#include "app/settings_table.h"
#include "widgets/dialog_parts.h"

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QHash>
#include <QLabel>

#include <functional>

class QCheckBox;
class QColorDialog;
class QGroupBox;
class QPushButton;
class CommandRegistry;
class TMainForm;

// The shared colour swatch showing a settings colour integer; "none" shows it cleared.
class ColourSwatch : public ColourSample
{
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget *parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);

private:
    int m_value;
};

// A label that runs an action when clicked.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &text, QWidget *parent);
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// "Nastavení": edits the settings file. Shows what the file holds (defaults where it holds
// nothing), writes every value on "&Uložit"; the changes take effect at the next start.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    // `environmentHelp` runs the main window's environment help. Should that close the parent
    // window (the help file is missing), the dialog closes too.
    TOptionsForm(QWidget *parent, std::function<void()> environmentHelp);

private:
    void buildVzhledPage();
    void buildZvyrazneniPage();
    void FormCreate();
    void showValues(const OptionValues &values);
    OptionValues shownValues() const;
    void showPage(bool vzhled);

    void CheckBox_NastrojeClick(bool checked);
    void pickColour(const QString &section);
    void Button_DefaultClick();
    void OKButton_OptionsFormClick();
    void HelpButton_OptionsFormClick();

    std::function<void()> m_environmentHelp;

    QGroupBox *GroupBox_Polozky = nullptr;
    QPushButton *Button_Vzhled = nullptr;
    QPushButton *Button_Zvyrazeni = nullptr;
    QGroupBox *GroupBox_Vzhled = nullptr;
    QGroupBox *GroupBox_Zvyrazneni = nullptr;
    QCheckBox *CheckBox_Nastroje = nullptr;
    QPushButton *HelpButton_OptionsForm = nullptr;
    QPushButton *Button_Default = nullptr;
    QPushButton *OKButton_OptionsForm = nullptr;
    QPushButton *StornoButton_OptionsForm = nullptr;
    QColorDialog *ColorDialog = nullptr;

    QHash<QString, QCheckBox *> m_boxes;        // by section name, which is also the object name
    QHash<QString, ColourSwatch *> m_swatches;  // likewise
    QList<QCheckBox *> m_paletteTabs;           // the eleven boxes under "Panel &nástrojů"
    QColor m_lastChosenColour = Qt::black;
};

// Registers "Nastavenprogramu1Click": a new settings dialog, shown modally.
void registerOptionsCommand(TMainForm &mainForm, CommandRegistry &registry);
