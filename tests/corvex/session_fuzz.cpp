#include "session_fuzz.h"

#include "recorded_session.h"

#include "corvex/engine/edit_session.h"
#include "corvex/engine/file_codec.h"
#include "corvex/search/text_search.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace corvex_fuzz {

using namespace corvex;

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    unsigned byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::size_t number() { return byte() | (byte() << 8); }
    std::size_t upTo(std::size_t limit) { return number() % (limit + 1); }  // [0, limit]
    // Typed text: letters, blanks, brackets, CR, LF, tabs, and characters of two, three and
    // four bytes in UTF-8 (one outside the BMP).
    std::string text(std::size_t maxPieces)
    {
        static const char* const pieces[] = {"a", "b", "Z", "_", " ", "\t", "\n", "\r", "{", "}", ":", "(",
                                             "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "xyz"};
        std::string typed;
        const std::size_t count = byte() % (maxPieces + 1);
        for (std::size_t k = 0; k < count; ++k)
            typed += pieces[byte() % (sizeof pieces / sizeof pieces[0])];
        return typed;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

#define SESSION_CHECK(cond, what)                                                                                   \
    do {                                                                                                            \
        if (!(cond)) {                                                                                              \
            std::ostringstream said;                                                                                \
            said << "step " << step << ": " << what << " (" #cond ")";                                              \
            return said.str();                                                                                      \
        }                                                                                                           \
    } while (0)

std::string CheckState(const EditSession& session, std::size_t step)
{
    const TextBuffer& text = session.text();
    const std::string all = text.text();
    SESSION_CHECK(session.selection().anchor <= all.size() && session.selection().caret <= all.size(),
                  "the selection lies in the text");
    std::size_t line = 0, start = 0;
    for (std::size_t i = 0; i <= all.size(); ++i) {
        if (i == all.size() || all[i] == '\n') {
            SESSION_CHECK(text.lineStart(line) == start, "line " << line << " starts where a recount says");
            SESSION_CHECK(text.lineLength(line) == i - start, "line " << line << " is as long as a recount says");
            ++line;
            start = i + 1;
        }
    }
    SESSION_CHECK(text.lineCount() == line, "the line count agrees with a recount");
    const std::vector<std::size_t>& marks = session.bookmarks().lines();
    for (std::size_t k = 0; k < marks.size(); ++k) {
        SESSION_CHECK(marks[k] < line, "bookmark " << marks[k] << " is on a line that exists");
        SESSION_CHECK(k == 0 || marks[k - 1] < marks[k], "bookmarks are kept in order, once each");
    }
    return {};
}

// Text typed into a column block (without tabs or line ends) stands at the block's left
// column on every line of it.
std::string CheckColumnTyping(const EditSession& session, const EditRules& rules, const ColumnBlock& block,
                              const std::string& typed, std::size_t step)
{
    for (std::size_t line = block.firstLine; line <= block.lastLine; ++line) {
        const std::size_t at = offsetOfColumn(session.text(), line, block.leftColumn, rules.tabWidth, rules.utf8);
        SESSION_CHECK(columnOfOffset(session.text(), at, rules.tabWidth, rules.utf8) == block.leftColumn,
                      "line " << line << " reaches the block's column " << block.leftColumn);
        SESSION_CHECK(at <= session.text().size() && session.text().text(at, std::min(typed.size(), session.text().size() - at)) == typed,
                      "line " << line << " holds the typed text at column " << block.leftColumn);
    }
    return {};
}

} // namespace

std::string fuzzSession(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    std::size_t step = 0;

    // The file: some bytes of text, in one of the encodings and line-end styles.
    static const Encoding encodings[] = {Encoding::Ansi, Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LE,
                                         Encoding::Utf16BE};
    static const LineEnd lineEnds[] = {LineEnd::CRLF, LineEnd::LF, LineEnd::CR};
    const Encoding encoding = encodings[in.byte() % 5];
    const LineEnd lineEnd = lineEnds[in.byte() % 3];
    const std::string written = encodeFile(in.text(12), encoding, lineEnd);
    DecodedFile file = decodeFile(written);
    const std::string original = file.text;

    // Wired as the control wires it: the steps go to the macro recorder, and a search
    // and a macro player work on the session.
    corvex_test::RecordedSession wired;
    corvex_test::RecordingView& view = wired.view;
    EditSession& session = wired.session;
    view.given.tabWidth = 1 + in.byte() % 8;
    view.given.expandTabs = in.byte() % 2 != 0;
    view.given.autoIndent = static_cast<AutoIndentRule>(in.byte() % 3);
    view.given.utf8 = isUtf8Text(file.encoding);
    session.document().load(std::move(file.text), std::move(file.lineEndKinds));
    formats::Macro macro;
    auto searchOptions = [&in] {
        search::SearchOptions options;
        options.caseSensitive = in.byte() % 2 != 0;
        options.wholeWord = in.byte() % 3 == 0;
        return options;
    };

    while (!in.done() && step < 400) {
        ++step;
        const std::size_t length = session.text().size();
        const std::size_t lines = session.text().lineCount();
        const unsigned action = in.byte() % 30;
        switch (action) {
        case 0:
        case 1: {
            const std::string typed = in.text(6);
            const bool intoBlock = session.columnMode();
            const ColumnBlock block = session.block();
            // Where a tab spans the block's edge the text goes in before the tab: only
            // blocks over lines without tabs have the text at the very column.
            bool tabFree = true;
            for (std::size_t line = block.firstLine; intoBlock && line <= block.lastLine; ++line)
                tabFree = tabFree && session.text().text(session.text().lineStart(line),
                                                         session.text().lineLength(line)).find('\t') == std::string::npos;
            session.typeText(typed);
            const bool plain = typed.find_first_of("\t\n") == std::string::npos;
            if (intoBlock && tabFree && plain && !typed.empty()) {
                const std::string failed = CheckColumnTyping(session, view.given, block, typed, step);
                if (!failed.empty())
                    return failed;
            }
            break;
        }
        case 2: session.backspace(in.byte() % 4 == 0); break;
        case 3: session.deleteForward(in.byte() % 4 == 0); break;
        case 4: session.moveCaret(in.upTo(length), in.byte() % 2 != 0); break;
        case 5: {
            const std::size_t anchor = in.upTo(length);
            session.setSelection(anchor, in.upTo(length));
            break;
        }
        case 6: {
            const std::size_t line = in.upTo(lines - 1);
            session.startColumnBlock(line, in.upTo(12));
            session.extendColumnBlock(in.upTo(lines - 1), in.upTo(12));
            break;
        }
        case 7: session.deleteInColumns(in.byte() % 2 != 0); break;
        case 8: {
            std::vector<std::string> pasted(1 + in.byte() % 4);
            for (std::string& line : pasted) {
                line = in.text(3);
                line.erase(std::remove(line.begin(), line.end(), '\n'), line.end());
            }
            session.pasteAsColumn(pasted);
            break;
        }
        case 9: session.replaceSelection(in.text(8), EditKind::Other); break;
        case 10: session.changeCase(in.byte() % 2 ? CaseChange::Upper : CaseChange::Lower); break;
        case 11:
            if (in.byte() % 2)
                session.bookmarks().toggle(in.upTo(lines - 1));
            else
                session.goToBookmark(in.byte() % 2 != 0);
            break;
        case 12:
        case 13: session.undo(); break;
        case 14: session.redo(); break;
        case 15: session.newLine(); break;
        case 16: session.insertTab(in.byte() % 3 == 0); break;
        case 17: session.toggleOverwrite(); break;
        case 18: session.moveSelectedText(in.upTo(length), in.byte() % 2 != 0); break;
        case 19: session.selectAll(); break;
        case 20:
            if (wired.recorder.recording())
                macro = wired.recorder.stop().second;
            else
                wired.recorder.start(0);
            break;
        case 21: {
            if (wired.recorder.recording() || macro.actions.empty())
                break;
            // A macro plays as one undo step.
            const std::string before = session.text().text();
            wired.Play(macro);
            const std::string after = session.text().text();
            if (after != before) {
                session.undo();
                SESSION_CHECK(session.text().text() == before, "one undo takes a played macro back whole");
                session.redo();
                SESSION_CHECK(session.text().text() == after, "one redo plays it again");
            }
            break;
        }
        case 22: wired.search.find(in.text(2), searchOptions(), in.byte() % 2 != 0); break;
        case 23: {
            const std::string pattern = in.text(2);
            wired.search.replaceSelection(pattern, in.text(3), searchOptions(), in.byte() % 2 != 0);
            break;
        }
        case 24: {
            const std::string pattern = in.text(2);
            const std::string before = session.text().text();
            const std::string replacement = in.text(3);
            const search::SearchOptions options = searchOptions();
            const bool preserveCase = in.byte() % 2 != 0, inSelection = in.byte() % 2 != 0;
            if (wired.search.replaceAll(pattern, replacement, options, preserveCase, inSelection) > 0) {
                session.undo();
                SESSION_CHECK(session.text().text() == before, "one undo takes a replace-all back whole");
                session.redo();
            }
            break;
        }
        case 25: wired.search.goToLine(static_cast<int>(in.upTo(lines + 1))); break;
        case 26: wired.search.matchBrace(nullptr); break;
        case 27:
            if (!view.given.wrapped)
                session.moveColumnCorner(static_cast<long long>(in.upTo(6)) - 3, static_cast<long long>(in.upTo(6)) - 3);
            break;
        case 28: session.moveByLines(static_cast<long long>(in.upTo(8)) - 4, in.byte() % 2 != 0); break;
        default: session.replaceBetween(in.upTo(length), in.upTo(length), in.text(4)); break;
        }
        const std::string failed = CheckState(session, step);
        if (!failed.empty())
            return failed;
    }

    // The final text stands after every step done (steps undone last may lie beyond it).
    const std::string final = session.text().text();
    const std::size_t done = session.document().undoSteps();
    while (session.undo()) {
    }
    SESSION_CHECK(session.text().text() == original, "undoing everything gives the file's text back");
    SESSION_CHECK(!session.document().isModified(), "undoing everything leaves the document unmodified");
    for (std::size_t k = 0; k < done; ++k)
        SESSION_CHECK(session.redo(), "step " << k + 1 << " of " << done << " can be redone");
    SESSION_CHECK(session.text().text() == final, "redoing everything done gives the final text");
    const std::string failed = CheckState(session, step);
    if (!failed.empty())
        return failed;

    // Saved and read back as the control does: the bytes decode and encode to themselves.
    const std::string saved = encodeFile(session.text(), encoding, lineEnd);
    const DecodedFile reread = decodeFile(saved);
    SESSION_CHECK(encodeFile(reread) == saved, "the saved bytes encode back from what they decode to");
    return {};
}

} // namespace corvex_fuzz
