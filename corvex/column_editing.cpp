// Editing a column (rectangular) selection: Alt+Shift with the arrow and page keys makes
// one from the keyboard; typing, Backspace, Delete and paste then act on every line of
// the block, each keystroke one undo step. Lines that end left of the block are padded
// with spaces where text goes in, and left alone where text goes out.
#include "corvex/editor.h"

#include <algorithm>

namespace corvex {

std::size_t Editor::ColumnOffset(std::size_t line, std::size_t column, bool pad, Selection before)
{
    const unsigned tab = options_.tabWidth();
    const std::size_t width = lineWidth(Text(), line, tab, Utf8());
    if (width >= column)
        return offsetOfColumn(Text(), line, column, tab, Utf8());
    const std::size_t end = Text().lineEnd(line);
    if (!pad)
        return end;
    doc_.insert(end, std::string(column - width, ' '), before, before);
    return end + (column - width);
}

void Editor::EraseColumns(const ColumnBlock& block, Selection before)
{
    const unsigned tab = options_.tabWidth();
    for (std::size_t line = block.firstLine; line <= block.lastLine; ++line) {
        const std::size_t from = offsetOfColumn(Text(), line, block.leftColumn, tab, Utf8());
        const std::size_t to = offsetOfColumn(Text(), line, block.rightColumn, tab, Utf8());
        if (to > from)
            doc_.erase(from, to - from, before, before);
    }
}

void Editor::ReplaceColumns(std::size_t left, std::size_t right, std::string_view text)
{
    const ColumnBlock block = Block();
    const unsigned tab = options_.tabWidth();
    const Selection before = selection_;
    doc_.breakGroup();
    doc_.beginCompound(before);
    std::size_t firstEdit = doc_.size();
    for (std::size_t line = block.firstLine; line <= block.lastLine; ++line) {
        if (text.empty() && lineWidth(Text(), line, tab, Utf8()) <= left)
            continue;  // nothing to take out of a line that ends before the block
        const std::size_t from = ColumnOffset(line, left, !text.empty(), before);
        const std::size_t to = std::max(from, offsetOfColumn(Text(), line, right, tab, Utf8()));
        if (to > from || !text.empty())
            doc_.replace(from, to - from, text, before, before, EditKind::Other);
        firstEdit = std::min(firstEdit, from);
    }
    // The block becomes an insertion point after the new text, still on every line.
    const std::size_t start = offsetOfColumn(Text(), block.firstLine, left, tab, Utf8());
    const std::size_t column = text.empty() ? left : columnOfOffset(Text(), start + text.size(), tab, Utf8());
    blockAnchorColumn_ = blockCaretColumn_ = column;
    selection_ = Selection(offsetOfColumn(Text(), blockCaretLine_, column, tab, Utf8()));
    doc_.endCompound(selection_);
    doc_.breakGroup();
    InvalidateFrom(block.firstLine);
    AfterEdit(block.firstLine, false, std::min(firstEdit, selection_.caret));
}

void Editor::TypeIntoColumns(std::string_view text)
{
    const ColumnBlock block = Block();
    ReplaceColumns(block.leftColumn, block.rightColumn, text);
}

void Editor::DeleteInColumns(bool forward)
{
    const ColumnBlock block = Block();
    if (block.rightColumn > block.leftColumn)
        ReplaceColumns(block.leftColumn, block.rightColumn, "");
    else if (forward)
        ReplaceColumns(block.leftColumn, block.leftColumn + 1, "");
    else if (block.leftColumn > 0)
        ReplaceColumns(block.leftColumn - 1, block.leftColumn, "");
}

void Editor::PasteAsColumn(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::size_t line = CaretLine(), column = CaretColumn();
    if (columnMode_) {
        const ColumnBlock block = Block();
        if (lines.size() == 1) {  // one line goes onto every line of the block
            ReplaceColumns(block.leftColumn, block.rightColumn, lines.front());
            return;
        }
        line = block.firstLine;
        column = block.leftColumn;
    }
    const Selection before = selection_;
    doc_.breakGroup();
    doc_.beginCompound(before);
    if (columnMode_)
        EraseColumns(Block(), before);
    std::size_t end = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (line + k >= Text().lineCount())
            doc_.insert(doc_.size(), "\n", before, before);  // the column runs past the last line
        const std::size_t at = ColumnOffset(line + k, column, true, before);
        doc_.insert(at, lines[k], before, before);
        end = at + lines[k].size();
    }
    columnMode_ = false;
    selection_ = Selection(end);
    doc_.endCompound(selection_);
    doc_.breakGroup();
    InvalidateFrom(line);
    AfterEdit(line, true, Text().lineStart(line));
}

bool Editor::ExtendColumnByKey(UINT key)
{
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN && key != VK_PRIOR && key != VK_NEXT)
        return false;
    if (!columnMode_)
        StartColumnBlock(CaretLine(), CaretColumn());
    const long long lines = static_cast<long long>(Text().lineCount());
    const long long page = static_cast<long long>(std::max<std::size_t>(1, VisibleLines()));
    long long line = static_cast<long long>(blockCaretLine_);
    long long column = static_cast<long long>(blockCaretColumn_);
    switch (key) {
    case VK_LEFT: column -= 1; break;
    case VK_RIGHT: column += 1; break;
    case VK_UP: line -= 1; break;
    case VK_DOWN: line += 1; break;
    case VK_PRIOR: line -= page; break;
    default: line += page; break;
    }
    ExtendColumnBlock(static_cast<std::size_t>(std::clamp<long long>(line, 0, lines - 1)),
                      static_cast<std::size_t>(std::max<long long>(column, 0)));
    return true;
}

} // namespace corvex
