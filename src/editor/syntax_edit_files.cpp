// SyntaxEdit: file input and output, the text copied out for recovery and the recovered text put
// back.
#include "editor/syntax_edit.h"

#include "base/velinor_error.h"

#include <algorithm>
#include <cstring>

// The component's interface for filling a document piece by piece. The library does not ship its
// header, so this repeats its declaration: the same name in the same (global) namespace and the
// same members in the same order, so that the object the component hands out is called through its
// own type; a look-alike class reached through a cast would be undefined behaviour. Not in an
// anonymous namespace: with no overrider in sight the compiler would turn the calls into calls of a
// pure virtual function.
class ILoader
{
public:
    virtual int Release() = 0;
    virtual int AddData(const char *data, std::ptrdiff_t length) = 0;
    virtual void *ConvertToDocument() = 0;
};

void SyntaxEdit::loadFile(const QString &path)
{
    // The text goes into a fresh document through the component's loader, which reports no
    // change per piece; the document then replaces the current one in a single step.
    ILoader *loader = nullptr;
    auto createLoader = [this, &loader](qint64 bytes) {
        if (loader) // read again from the start: a fresh document
            loader->Release();
        // Room for the whole text and some to spare: a buffer filled to the brim would be copied
        // whole by the first keystroke.
        const qint64 capacity = bytes + bytes / 8 + 4096;
        loader = reinterpret_cast<ILoader *>(SendScintilla(SCI_CREATELOADER, static_cast<unsigned long>(capacity), 0L));
    };
    SplitText split;
    try {
        split = readTextFile(
            path, [&loader](const char *data, qsizetype size) { if (loader) loader->AddData(data, size); },
            createLoader);
    } catch (...) {
        if (loader)
            loader->Release();
        throw;
    }
    if (!loader)
        throw VelinorError::cannotOpen(path);
    void *document = loader->ConvertToDocument();

    ++m_silentChanges;
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document); // the component now holds the only reference
    // The loader leaves its free room after the text, but the caret starts at the top: the first
    // key would move the whole text there. Move it while loading, so that key costs what any does.
    if (SendScintilla(SCI_GETLENGTH) > 0) {
        SendScintilla(SCI_INSERTTEXT, 0UL, " ");
        SendScintilla(SCI_DELETERANGE, 0UL, 1L);
    }
    configureDocument();
    // A loaded document starts with undo collection off; without it nothing can be undone and the
    // save point is never left, so typing would not set the modified flag.
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    --m_silentChanges;

    m_lineBreak = split.lineBreak;
    m_encoding = split.encoding;
    m_loadedNulBytes = split.nulBytes;
    m_loadedMalformed = split.malformed;
    m_noLines = split.lineCount == 0;
    widenCaretRange(split.longestLine + 1);
    m_modified = false;
    SendScintilla(SCI_SETEMPTYSELECTION, 0UL);
    scrollToCaret();
    updateGutter(); // a loaded document has no bookmarks
    emit statusChanged();
}

QByteArray SyntaxEdit::utf8Text(QByteArray room) const
{
    // The two parts on either side of the buffer's gap are read where they are: asking for the
    // whole text at once would close the gap by moving everything after it, and the next keystroke
    // would move it back.
    auto *self = const_cast<SyntaxEdit *>(this);
    const long length = self->SendScintilla(SCI_GETLENGTH);
    const long gap = std::clamp(self->SendScintilla(SCI_GETGAPPOSITION), 0L, length);
    room.resize(length);
    if (gap > 0)
        std::memcpy(room.data(), reinterpret_cast<const char *>(self->SendScintilla(SCI_GETRANGEPOINTER, 0UL, gap)),
                    size_t(gap));
    if (length > gap)
        std::memcpy(room.data() + gap,
                    reinterpret_cast<const char *>(
                        self->SendScintilla(SCI_GETRANGEPOINTER, static_cast<unsigned long>(gap), length - gap)),
                    size_t(length - gap));
    return room;
}

qint64 SyntaxEdit::utf8Size() const
{
    return const_cast<SyntaxEdit *>(this)->SendScintilla(SCI_GETLENGTH);
}

void SyntaxEdit::setRecoveredText(const SplitText &text)
{
    replaceAllText(text);
    m_lineBreak = text.lineBreak;
    m_encoding = text.encoding;
    m_loadedNulBytes = 0;
    m_loadedMalformed = 0;
    m_modified = true; // the text is not what its file holds
    emit statusChanged();
}

bool SyntaxEdit::saveFile(const QString &path)
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const char *data = reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    const EncodedText saved = saveTextFile(path, data, length, lineCount(), m_lineBreak, m_encoding);
    m_encoding = saved.encoding;
    return saved.encodingChanged;
}
