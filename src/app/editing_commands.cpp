#include "app/editing_commands.h"

#include "app/child_form.h"
#include "app/go_to_line_form.h"
#include "app/ruler.h"
#include "core/command_registry.h"
#include "editor/syntax_edit.h"

#include <QAction>
#include <QFontDialog>

namespace {

// The target as the main window made it: every document window it opens is a TChildForm.
TChildForm *formOf(const CommandContext &context)
{
    return static_cast<TChildForm *>(context.window);
}

void JdiNaRadekClick(const CommandContext &context)
{
    TGoToLineNumberForm form(context.parent);
    if (form.exec() == QDialog::Accepted && context.window)
        context.editor()->setCaretLine(form.lineNumber());
}

// The view switches: the window reports the change, and the main window's marks follow it.
void CislaRadkuClick(const CommandContext &context)
{
    TChildForm *form = formOf(context);
    form->setLineNumbersShown(!form->lineNumbersShown());
}

void PravitkoClick(const CommandContext &context)
{
    TChildForm *form = formOf(context);
    form->setRulerShown(!form->rulerShown());
}

void NetisknutelneZnakyClick(const CommandContext &context)
{
    TChildForm *form = formOf(context);
    form->setNonPrintableShown(!form->nonPrintableShown());
}

void PismoClick(const CommandContext &context)
{
    // The dialog starts from the font chosen last, whichever document it went to.
    static QFont choice = [] {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSize(8); // 11 pixels
        return font;
    }();
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, choice, context.parent);
    if (confirmed) {
        choice = chosen;
        if (context.window)
            context.editor()->setEditorFont(chosen);
    }
    if (context.window)
        formOf(context)->ruler()->update();
}

} // namespace

void registerEditingCommands(CommandRegistry &registry)
{
    using Target = CommandRegistry::Target;
    auto onEditor = [&registry](const char *name, void (SyntaxEdit::*operation)()) {
        registry.add(QString::fromLatin1(name), Target::Document,
                     [operation](const CommandContext &context) { (context.editor()->*operation)(); });
    };
    onEditor("ZpetClick", &QsciScintilla::undo);
    onEditor("VpredClick", &QsciScintilla::redo);
    onEditor("VyjmoutClick", &QsciScintilla::cut);
    onEditor("KopirovatClick", &QsciScintilla::copy);
    onEditor("VlozitClick", &QsciScintilla::paste);
    registry.add(QStringLiteral("VybratvseClick"), Target::Document,
                 [](const CommandContext &context) { context.editor()->selectAll(); });
    // Delete: the insertion primitive with nothing, which removes the selection as one undo step.
    // Without a selection the text, and its modified flag, stay as they are.
    registry.add(QStringLiteral("Smazat_PopUpMenuClick"), Target::Document, [](const CommandContext &context) {
        if (context.editor()->hasSelection())
            context.editor()->insert(QString());
    });

    registry.add(QStringLiteral("JdiNaRadekClick"), Target::Optional, &JdiNaRadekClick);
    registry.add(QStringLiteral("CislaRadkuClick"), Target::Document, &CislaRadkuClick);
    registry.add(QStringLiteral("PravitkoClick"), Target::Document, &PravitkoClick);
    registry.add(QStringLiteral("NetisknutelneZnakyClick"), Target::Document, &NetisknutelneZnakyClick);
    registry.add(QStringLiteral("PismoClick"), Target::Optional, &PismoClick);

    const std::pair<const char *, DocumentLanguage> languages[] = {
        {"Syntaxe_HTMLClick", DocumentLanguage::Html}, {"Syntaxe_XHTMLClick", DocumentLanguage::Xhtml},
        {"Syntaxe_CSSClick", DocumentLanguage::Css},   {"Syntaxe_JavaScriptClick", DocumentLanguage::JavaScript},
        {"Syntaxe_PHPClick", DocumentLanguage::Php},   {"Syntaxe_SQLClick", DocumentLanguage::Sql},
        {"Syntaxe_XMLClick", DocumentLanguage::Xml}};
    for (const auto &[command, language] : languages)
        registry.add(QString::fromLatin1(command), Target::Document,
                     [language = language](const CommandContext &context) { formOf(context)->switchLanguage(language); });
}
