// Edits applied to a LineBuffer against a small model of the insertion rules, undo and redo. The
// model keeps lines as UTF-32 so that a character is one element, and states the rules directly:
// the selection goes first; the caret's line is padded with spaces up to the caret; the text is
// cut at CR, LF or CRLF and ends at NUL; every written line loses its trailing spaces; the caret
// ends after the inserted text (or at the end of a line whose remaining spaces were dropped);
// caret moves clamp; one applied edit is one undo step.
#include "fuzz_input.h"

#include "base/velinor_error.h"
#include "editor/edit.h"
#include "editor/line_buffer.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Line = std::u32string;

Line toLine(const QString &text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return Line(ucs4.begin(), ucs4.end());
}


Line trimTrailingSpaces(Line line)
{
    while (!line.empty() && line.back() == U' ')
        line.pop_back();
    return line;
}

struct Position
{
    int line = 1;
    int column = 1;
    bool operator==(const Position &o) const { return line == o.line && column == o.column; }
    bool operator<(const Position &o) const { return line < o.line || (line == o.line && column < o.column); }
};

class Model
{
public:
    void setText(const QString &text)
    {
        m_lines.clear();
        // Any line break splits; NUL ends the text; a final break adds no line.
        Line current;
        bool open = false;
        const Line all = toLine(text);
        for (std::size_t i = 0; i < all.size() && all[i] != 0; ++i) {
            if (all[i] == U'\r' || all[i] == U'\n') {
                m_lines.push_back(current);
                current.clear();
                open = false;
                if (all[i] == U'\r' && i + 1 < all.size() && all[i + 1] == U'\n')
                    ++i;
                continue;
            }
            current.push_back(all[i]);
            open = true;
        }
        if (open)
            m_lines.push_back(current);
        for (const Line &l : m_lines)
            m_width = std::max(m_width, int(l.size()) + 1);
        m_caret = m_anchor = {1, 1};
        m_undo.clear();
        m_redo.clear();
    }

    void select(Position anchor, Position caret)
    {
        m_anchor = clamped(anchor);
        m_caret = clamped(caret);
    }

    void apply(const Edit &edit)
    {
        bool recorded = false;
        for (const Edit::Step &step : edit.steps()) {
            switch (step.kind) {
            case Edit::StepKind::Insert:
                if (!recorded) {
                    m_undo.push_back({m_lines, m_caret});
                    m_redo.clear();
                    recorded = true;
                }
                insert(toLine(step.text));
                break;
            case Edit::StepKind::Left:
                m_caret.column = std::clamp(m_caret.column - step.count, 1, m_width);
                m_anchor = m_caret;
                break;
            case Edit::StepKind::Up:
                m_caret.line = std::clamp(m_caret.line - step.count, 1, std::max(1, int(m_lines.size())));
                m_anchor = m_caret;
                break;
            }
        }
    }

    void undo() { restore(m_undo, m_redo); }
    void redo() { restore(m_redo, m_undo); }

    const std::vector<Line> &lines() const { return m_lines; }
    Position caret() const { return m_caret; }
    bool hasSelection() const { return !(m_anchor == m_caret); }

private:
    struct State
    {
        std::vector<Line> lines;
        Position caret;
    };

    Position clamped(Position p) const
    {
        if (m_lines.empty())
            return {1, 1};
        p.line = std::clamp(p.line, 1, int(m_lines.size()));
        p.column = std::clamp(p.column, 1, int(m_lines[std::size_t(p.line - 1)].size()) + 1);
        return p;
    }

    void insert(const Line &text)
    {
        if (hasSelection()) {
            const Position from = std::min(m_anchor, m_caret);
            const Position to = std::max(m_anchor, m_caret);
            const Line &last = m_lines[std::size_t(to.line - 1)];
            Line joined = m_lines[std::size_t(from.line - 1)].substr(0, std::size_t(from.column - 1))
                          + last.substr(std::size_t(to.column - 1));
            m_lines.erase(m_lines.begin() + from.line, m_lines.begin() + to.line);
            m_lines[std::size_t(from.line - 1)] = joined;
            m_caret = m_anchor = from;
        }
        if (m_lines.empty())
            m_lines.emplace_back();
        Line &line = m_lines[std::size_t(m_caret.line - 1)];
        if (int(line.size()) < m_caret.column - 1)
            line.resize(std::size_t(m_caret.column - 1), U' ');
        const Line left = line.substr(0, std::size_t(m_caret.column - 1));
        const Line right = line.substr(std::size_t(m_caret.column - 1));

        std::vector<Line> pieces(1);
        for (std::size_t i = 0; i < text.size() && text[i] != 0; ++i) {
            if (text[i] == U'\r' || text[i] == U'\n') {
                pieces.emplace_back();
                if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                    ++i;
            } else {
                pieces.back().push_back(text[i]);
            }
        }
        pieces.front() = left + pieces.front();
        const Line before = pieces.back(); // the last line up to the caret
        pieces.back() += right;
        for (Line &piece : pieces) {
            piece = trimTrailingSpaces(piece);
            m_width = std::max(m_width, int(piece.size()) + 1);
        }
        const int caretLine = m_caret.line + int(pieces.size()) - 1;
        const int caretColumn = trimTrailingSpaces(right).empty() ? int(pieces.back().size()) + 1 : int(before.size()) + 1;
        m_lines.erase(m_lines.begin() + (m_caret.line - 1));
        m_lines.insert(m_lines.begin() + (m_caret.line - 1), pieces.begin(), pieces.end());
        m_caret = m_anchor = {caretLine, caretColumn};
    }

    void restore(std::vector<State> &from, std::vector<State> &to)
    {
        if (from.empty())
            return;
        to.push_back({m_lines, m_caret});
        m_lines = from.back().lines;
        m_caret = m_anchor = from.back().caret;
        from.pop_back();
        if (m_lines.empty()) // once edited, an empty document holds one empty line
            m_lines.emplace_back();
    }

    std::vector<Line> m_lines;
    Position m_caret, m_anchor;
    int m_width = TextDocument::kInitialMaxLineWidth;
    std::vector<State> m_undo, m_redo;
};

void compare(const LineBuffer &buffer, const Model &model)
{
    FUZZ_CHECK(buffer.lineCount() == int(model.lines().size()), "line count");
    qint64 length = 0;
    for (int i = 0; i < buffer.lineCount(); ++i) {
        FUZZ_CHECK(toLine(buffer.line(i)) == model.lines()[std::size_t(i)], "line text");
        length += qint64(model.lines()[std::size_t(i)].size()) + 2;
    }
    FUZZ_CHECK(buffer.caret().line == model.caret().line && buffer.caret().column == model.caret().column, "caret");
    FUZZ_CHECK(buffer.hasSelection() == model.hasSelection(), "selection");
    FUZZ_CHECK(buffer.statusLength() == length, "status length");
}

Edit someEdit(FuzzInput &input)
{
    Edit edit;
    const int steps = input.choice(6);
    for (int i = 0; i < steps; ++i) {
        switch (input.choice(4)) {
        case 0: edit.left(input.smallNumber()); break;
        case 1: edit.up(input.smallNumber()); break;
        default: edit.insert(input.text()); break;
        }
    }
    if (input.choice(8) == 0)
        edit.fail(QStringLiteral("failed half-way"));
    return edit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    LineBuffer buffer;
    Model model;
    if (input.flag()) {
        const QString text = input.text();
        buffer.setText(text);
        model.setText(text);
    }
    compare(buffer, model);
    for (int operations = 0; !input.atEnd() && operations < 64; ++operations) {
        switch (input.choice(6)) {
        case 0: {
            const Position anchor{input.smallNumber(), input.smallNumber()};
            const Position caret{input.smallNumber(), input.smallNumber()};
            buffer.select({anchor.line, anchor.column}, {caret.line, caret.column});
            model.select(anchor, caret);
            break;
        }
        case 1:
            buffer.undo();
            model.undo();
            break;
        case 2:
            buffer.redo();
            model.redo();
            break;
        default: {
            const Edit edit = someEdit(input);
            bool raised = false;
            try {
                apply(edit, buffer);
            } catch (const VelinorError &error) {
                raised = true;
                FUZZ_CHECK(error.message() == *edit.error(), "the edit's own error");
            }
            FUZZ_CHECK(raised == edit.error().has_value(), "an edit ending in an error raises it");
            model.apply(edit);
            break;
        }
        }
        compare(buffer, model);
    }
    return 0;
}
