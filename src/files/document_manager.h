#pragma once

#include "base/text_file.h"
#include "editor/document_language.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QMdiArea;
class QWidget;
class SyntaxEdit;
class DocumentWindow;

// The life of the documents: creating, opening, saving and closing their windows in the frame,
// the one save question, the counter of new documents and the last names and filters of the file
// dialogs. Whoever shows a document's state (the status bar, the page preview) observes its
// signals instead of being told by the windows.
class DocumentManager : public QObject
{
    Q_OBJECT

public:
    // Makes a new document window, not yet shown (the main window's own kind).
    using WindowFactory = std::function<DocumentWindow *()>;

    // Document windows, made by `makeWindow`, open in `area`. Questions and file dialogs belong to
    // `dialogParent`.
    DocumentManager(QMdiArea *area, WindowFactory makeWindow, QWidget *dialogParent);

    // The active document window; none when no document is open.
    DocumentWindow *activeWindow() const;
    SyntaxEdit *activeEditor() const;
    QList<DocumentWindow *> documents() const;
    QMdiArea *area() const { return m_area; }

    // A new, active document window holding the start-up page ("Novy1.html"), not maximised.
    DocumentWindow *createDocument();
    // The counter of new documents: adds one and returns the new value (the start-up page is 1).
    int nextDocumentNumber() { return ++m_newDocumentCounter; }
    // Maximises and activates the window and gives its editor the focus.
    void showMaximised(DocumentWindow *document);
    // A new maximised, active window named `caption` holding the file's text in the language.
    // Raises "Cannot open file %s" (and opens nothing) when the file cannot be read.
    DocumentWindow *openDocument(const QString &path, const QString &caption, DocumentLanguage language);

    // A new maximised, active window holding text recovered after a crash under its old caption,
    // modified; "&Uložit" writes it where its file is, with the file's line break and encoding. The
    // counter of new documents moves past a restored "NovyN" name. No two windows save to one file:
    // an unchanged window under the same caption (the start-up "Novy1.html") is closed for it, and
    // beside a changed one the restored document takes a free caption ("Novy4.html", "a-2.html").
    DocumentWindow *restoreDocument(const QString &recoveredCaption, const SplitText &text, Highlighter highlighter);

    // Writes the document to the path; false after reporting a failure.
    bool writeDocument(DocumentWindow *document, const QString &path);
    // "&Uložit": the caption inside projekty/, or the caption itself when it is a full path. A
    // caption that would lead outside projekty/ is refused with a message and nothing is written
    // (files/save_target.h).
    bool save(DocumentWindow *document);
    // The file "&Uložit" writes for a caption; raises VelinorError for a caption leading outside.
    static QString saveTarget(const QString &caption);
    // Where a caption points, unchecked: for showing a document's place, never for writing.
    static QString captionPath(const QString &caption);
    // "Uložit j&ako ...": the save dialog, starting from the caption.
    bool saveAs(DocumentWindow *document);
    // Every window as "&Uložit" does; the first failure stops.
    bool saveAll();

    // The one save question for a modified window: Yes saves through the save dialog (a cancelled
    // dialog or a failed write keeps the window), No drops the changes, Escape keeps the window.
    // Asked once: the window's own close check does not ask again. False: the window stays.
    bool confirmClose(DocumentWindow *document, const QString &question);
    // "Z&avřít" and "Zavřít vš&e"; false when a window stayed open.
    bool close(DocumentWindow *document);
    bool closeAll();
    // Closing the main window: every window's own close check. Like "Zavřít vš&e" it stops at the
    // first window the user keeps, so nothing more is asked; false then.
    bool closeAllForExit();

    // The file dialogs, each starting from the name and filter it last took; empty when cancelled.
    QString askOpenPath();
    QString askSavePath(const QString &suggestedName);

    // What the language panel shows: a document language, or a file of no known kind.
    void showLanguage(DocumentLanguage language);
    void showUnknownLanguage();

signals:
    void activeWindowChanged(DocumentWindow *window); // none: nullptr
    // The caret, the text or the modified state of a document changed.
    void documentStatusChanged(DocumentWindow *document);
    // A document's text is about to change by an edit (not when it is loaded or set whole).
    void documentEdited(DocumentWindow *document);
    void documentSaved(DocumentWindow *document, const QString &path);
    // A file was read into a new document window (not a recovered copy).
    void documentOpened(DocumentWindow *document, const QString &path);
    void documentClosed(DocumentWindow *document);
    void languageShown(const QString &panelText, bool unknownKind);
    // The Insert key toggled the insert mode of a document's editor.
    void insertKeyPressed();

private:
    // An open window whose caption names the same file as `caption`; none when there is none.
    DocumentWindow *windowSavingTo(const QString &caption) const;
    // `caption` changed so that no open window names the same file.
    QString freeCaption(const QString &caption);
    // The save target of the document's caption; none after reporting a caption leading outside.
    std::optional<QString> checkedSaveTarget(DocumentWindow *document);
    void reportSavedAsUtf8(const QString &path);
    // An opened file held NUL bytes: saving it would write line breaks in their place.
    void warnAboutNulBytes(const QString &caption);
    void warnAboutMalformedCharacters(const QString &caption);
    // Closes the windows in the frame's order, asking each modified one `questionFor` it; false at
    // the first window the user keeps.
    bool closeInOrder(const std::function<QString(const DocumentWindow *)> &questionFor);

    QMdiArea *m_area;
    WindowFactory m_makeWindow;
    QWidget *m_dialogParent;
    int m_newDocumentCounter = 1;
    QString m_lastOpenPath;
    QString m_lastOpenFilter;
    QString m_lastSavePath;
    QString m_lastSaveFilter;
};
