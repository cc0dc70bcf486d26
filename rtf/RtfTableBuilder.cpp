#include "rtf/RtfTableBuilder.h"

#include "rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>

namespace rtf {

namespace {

constexpr int MaxColumns = 64;

double pixels(int twips) {
    return std::clamp(twips, 0, MaxTwips) / TwipsPerPixel;
}

QTextTableFormat tableFormat(const RowDefinition& row) {
    QTextTableFormat format;
    format.setCellSpacing(0);
    format.setCellPadding(std::max(2.0, pixels(row.gap)));
    format.setBorderCollapse(true);
    format.setBorder(row.borders ? 1 : 0);
    format.setBorderStyle(row.borders ? QTextFrameFormat::BorderStyle_Solid
                                      : QTextFrameFormat::BorderStyle_None);
    format.setBorderBrush(Qt::black);
    format.setLeftMargin(pixels(row.left));
    if (row.alignment == Alignment::Center)
        format.setAlignment(Qt::AlignHCenter);
    else if (row.alignment == Alignment::Right)
        format.setAlignment(Qt::AlignRight);
    return format;
}

// A paragraph that opens a document or a cell and holds nothing but a table takes no room: QTextDocument
// keeps a paragraph before any table, which nobody wrote.
bool startsItsFrame(const QTextCursor& cursor) {
    if (cursor.block().length() != 1)
        return false;
    if (const QTextTable* table = cursor.currentTable())
        return table->cellAt(cursor).firstPosition() == cursor.position();
    return cursor.atStart();
}

} // namespace

int TableBuilder::openRowLevel() const {
    for (std::size_t k = levels_.size(); k > 0; --k)
        if (levels_[k - 1].rowOpen)
            return static_cast<int>(k);
    return 0;
}

QTextDocumentFragment TableBuilder::takeParagraph() {
    QTextCursor paragraph = cursor_;
    paragraph.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    const QTextDocumentFragment fragment(paragraph);
    paragraph.removeSelectedText();
    // The paragraph was begun for this text alone; without it the table follows the paragraph before, as
    // it does when the row is marked as one.
    const QTextBlock previous = cursor_.block().previous();
    if (cursor_.block().length() == 1 && previous.isValid() &&
        QTextCursor(previous).currentFrame() == cursor_.currentFrame())
        cursor_.deletePreviousChar();
    return fragment;
}

bool TableBuilder::enterCell(int level, std::span<const RowDefinition> rows, bool carryParagraph) {
    const std::size_t depth = static_cast<std::size_t>(std::clamp(level, 1, MaxLevels));
    const QTextDocumentFragment carried =
        carryParagraph && outsideCells() ? takeParagraph() : QTextDocumentFragment();
    inTail_ = false;
    bool moved = false;
    while (levels_.size() > depth) {
        closeLevel();
        moved = true;
    }
    for (std::size_t k = 0; k < depth; ++k) {
        const RowDefinition& row = k < rows.size() ? rows[k] : RowDefinition{};
        if (k == levels_.size())
            openLevel(row);
        if (enterCurrentCell(levels_[k], row))
            moved = true;
    }
    if (!carried.isEmpty())
        cursor_.insertFragment(carried);
    return moved;
}

bool TableBuilder::enterTail() {
    if (levels_.empty() || inTail_)
        return false;
    while (levels_.size() > 1)
        closeLevel();
    cursor_ = QTextCursor(levels_.front().document.get());
    cursor_.movePosition(QTextCursor::End);
    inTail_ = true;
    return true;
}

void TableBuilder::openLevel(const RowDefinition& row) {
    Level level;
    level.place = cursor_;
    level.document = std::make_unique<QTextDocument>();
    level.document->setUndoRedoEnabled(false);
    level.columns = std::clamp(static_cast<int>(row.cells.size()), 1, MaxColumns);
    level.format = tableFormat(row);
    addChunk(level);
    cells_ += level.columns;
    level.rowOpen = true;
    level.verticalStart.assign(static_cast<std::size_t>(level.columns), -1);
    level.verticalMerge.assign(static_cast<std::size_t>(level.columns), -1);
    applyDefinition(level, row);
    mapCells(level, row);
    levels_.push_back(std::move(level));
}

void TableBuilder::addChunk(Level& level) {
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    level.chunks.push_back(QTextCursor(document.get()).insertTable(ChunkRows, level.columns));
    level.chunkDocuments.push_back(std::move(document));
}

QTextTableCell TableBuilder::Level::cellAt(int row, int column) const {
    return chunks[static_cast<std::size_t>(row / ChunkRows)]->cellAt(row % ChunkRows, column);
}

bool TableBuilder::enterCurrentCell(Level& level, const RowDefinition& row) {
    if (!level.rowOpen) {
        if (++level.row % ChunkRows == 0)
            addChunk(level);
        cells_ += level.columns;
        level.rowOpen = true;
        level.inCell = false;
        level.filled = -1;
        mapCells(level, row);
    }
    QTextTable* chunk = level.chunk();
    const auto widen = [&](int columns) {
        level.columns = std::max(level.columns, columns);
        if (chunk->columns() < level.columns)
            chunk->appendColumns(level.columns - chunk->columns());
    };
    widen(std::clamp(static_cast<int>(row.cells.size()), 1, MaxColumns));
    if (row.cells.size() > level.widthsFrom)
        applyDefinition(level, row);
    const int cellCount = static_cast<int>(level.cellColumns.size());
    const int column = level.cell < cellCount ? level.cellColumns[static_cast<std::size_t>(level.cell)]
                                              : (level.cellColumns.empty()
                                                     ? level.cell
                                                     : level.cellColumns.back() + 1 + level.cell - cellCount);
    widen(std::min(column, MaxColumns - 1) + 1);
    const int target = std::min(column, level.columns - 1);
    if (level.inCell && target == level.column)
        return false;
    level.column = target;
    level.inCell = true;
    const QTextTableCell cell = level.cellAt(level.row, target);
    if (target == level.filled) {
        // No column is left for this cell: it goes on in the last one, after what is there.
        cursor_ = cell.lastCursorPosition();
        cursor_.insertBlock();
    } else {
        cursor_ = cell.firstCursorPosition();
    }
    return true;
}

void TableBuilder::mapCells(Level& level, const RowDefinition& row) {
    level.cell = 0;
    level.column = 0;
    level.cellColumns.clear();
    level.cellEnds.clear();
    const std::vector<int>& boundaries = level.boundaries;
    if (boundaries.empty() || row.cells.empty())
        return;
    // A cell edge counts as one of the table's when it lies within a small Tolerance of it, because
    // writers round the positions of the rows of one table differently.
    constexpr int Tolerance = 30;
    int next = 0;
    for (const CellDefinition& cell : row.cells) {
        int end = next;
        while (end < static_cast<int>(boundaries.size()) &&
               boundaries[static_cast<std::size_t>(end)] < cell.right - Tolerance)
            ++end;
        if (end >= static_cast<int>(boundaries.size()) ||
            boundaries[static_cast<std::size_t>(end)] > cell.right + Tolerance) {
            level.cellColumns.clear();
            level.cellEnds.clear();
            return;
        }
        level.cellColumns.push_back(next);
        level.cellEnds.push_back(end);
        next = end + 1;
    }
}

void TableBuilder::applyDefinition(Level& level, const RowDefinition& row) {
    if (row.cells.empty())
        return;
    QVector<QTextLength> widths;
    level.boundaries.clear();
    int previous = row.left;
    for (const CellDefinition& cell : row.cells) {
        if (widths.size() == MaxColumns)
            break;
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1.0, pixels(cell.right - previous))));
        level.boundaries.push_back(cell.right);
        previous = cell.right;
    }
    // A table begun before any definition of its rows, as nested tables always are, takes its borders and
    // spacing from the first definition that comes.
    if (level.widthsFrom == 0)
        level.format = tableFormat(row);
    level.format.setColumnWidthConstraints(widths);
    level.widthsFrom = row.cells.size();
}

void TableBuilder::finishCell(int level) {
    const std::size_t depth = static_cast<std::size_t>(std::clamp(level, 1, MaxLevels));
    if (levels_.size() < depth)
        return;
    while (levels_.size() > depth)
        closeLevel();
    Level& current = levels_.back();
    current.filled = current.column;
    if (current.cell + 1 < MaxColumns)
        ++current.cell;
    current.inCell = false;
}

void TableBuilder::finishRow(int level, const RowDefinition& row, const ColourTable& colours) {
    const std::size_t depth = static_cast<std::size_t>(std::clamp(level, 1, MaxLevels));
    if (levels_.size() < depth || !levels_[depth - 1].rowOpen)
        return;
    while (levels_.size() > depth)
        closeLevel();
    Level& current = levels_.back();
    // A definition that comes after the cells, as the one of a nested row always does, still counts.
    if (row.cells.size() > current.widthsFrom)
        applyDefinition(current, row);
    const int columns = current.chunk()->columns();
    std::vector<int>& verticalStarts = current.verticalStart;
    std::vector<int>& verticalMerges = current.verticalMerge;
    verticalStarts.resize(std::max(verticalStarts.size(), static_cast<std::size_t>(columns)), -1);
    verticalMerges.resize(verticalStarts.size(), -1);
    const int cells = std::min(static_cast<int>(row.cells.size()), columns);
    const auto cellStart = [&](int k) {
        return k < static_cast<int>(current.cellColumns.size())
                   ? current.cellColumns[static_cast<std::size_t>(k)]
                   : k;
    };
    const auto cellEnd = [&](int k) {
        return std::min(
            k < static_cast<int>(current.cellEnds.size()) ? current.cellEnds[static_cast<std::size_t>(k)] : k,
            columns - 1);
    };
    int mergedUpTo = -1; // a cell joined to an earlier one by \clmrg has no merge of its own
    for (int k = 0; k < cells; ++k) {
        const CellDefinition& cell = row.cells[static_cast<std::size_t>(k)];
        const int column = cellStart(k);
        if (column >= columns)
            break;
        int end = cellEnd(k);
        if (cell.mergeFirst) {
            int last = k;
            while (last + 1 < cells && row.cells[static_cast<std::size_t>(last + 1)].mergeNext)
                ++last;
            end = cellEnd(last);
            mergedUpTo = last;
        }
        if (end > column && !(cell.mergeNext && k <= mergedUpTo))
            current.merges.push_back({current.row, column, 1, end - column + 1});
        // RTF's gap separates text from the cell's sides only; above and below there is next to none.
        QTextTableCell tableCell = current.cellAt(current.row, column);
        QTextTableCellFormat format = tableCell.format().toTableCellFormat();
        const double sides = std::max(2.0, pixels(row.gap));
        format.setLeftPadding(sides);
        format.setRightPadding(sides);
        format.setTopPadding(1);
        format.setBottomPadding(1);
        if (cell.background > 0 && cell.background < static_cast<int>(colours.size()) &&
            colours[static_cast<std::size_t>(cell.background)])
            format.setBackground(*colours[static_cast<std::size_t>(cell.background)]);
        tableCell.setFormat(format);
        int& start = verticalStarts[static_cast<std::size_t>(column)];
        int& merge = verticalMerges[static_cast<std::size_t>(column)];
        if (cell.verticalMergeFirst) {
            start = current.row;
            merge = -1;
        } else if (cell.verticalMergeNext && start >= 0 && end == column) {
            if (merge < 0) {
                merge = static_cast<int>(current.merges.size());
                current.merges.push_back({start, column, 1, 1});
            }
            current.merges[static_cast<std::size_t>(merge)].rows = current.row - start + 1;
        } else {
            start = -1;
            merge = -1;
        }
    }
    current.rowOpen = false;
    current.inCell = false;
    current.filled = -1;
}

void TableBuilder::closeLevel() {
    Level& level = levels_.back();
    cursor_ = level.place;
    const int start = cursor_.position();
    const bool hideParagraphBefore = startsItsFrame(cursor_);
    cursor_.beginEditBlock();
    QTextTable* table = assemble(level, cursor_);
    // What waits after the table (a paragraph that may yet begin a row) comes along.
    cursor_.setPosition(table->lastPosition() + 1);
    if (!level.document->isEmpty())
        cursor_.insertFragment(QTextDocumentFragment(level.document.get()));
    cursor_.endEditBlock();
    if (hideParagraphBefore) {
        QTextCursor before(cursor_.document());
        before.setPosition(start);
        QTextBlockFormat empty;
        empty.setLineHeight(0, QTextBlockFormat::FixedHeight);
        before.setBlockFormat(empty);
    }
    levels_.pop_back();
    if (levels_.empty()) {
        inTail_ = false;
        cells_ = 0;
    }
}

QTextTable* TableBuilder::assemble(Level& level, QTextCursor& at) {
    const int rows = level.row + 1;
    QVector<QTextLength> widths = level.format.columnWidthConstraints();
    widths.resize(std::min<qsizetype>(widths.size(), level.columns));
    while (widths.size() < level.columns)
        widths.append(QTextLength());
    level.format.setColumnWidthConstraints(widths);
    QTextTable* table = at.insertTable(rows, level.columns, level.format);
    for (int row = 0; row < rows; ++row) {
        const QTextTable* chunk = level.chunks[static_cast<std::size_t>(row / ChunkRows)];
        for (int column = 0; column < chunk->columns(); ++column) {
            const QTextTableCell from = chunk->cellAt(row % ChunkRows, column);
            QTextTableCell to = table->cellAt(row, column);
            to.setFormat(from.format());
            QTextCursor content = from.firstCursorPosition();
            QTextCursor into = to.firstCursorPosition();
            if (content.blockFormat() != into.blockFormat())
                into.setBlockFormat(content.blockFormat());
            if (content.blockCharFormat() != into.blockCharFormat())
                into.setBlockCharFormat(content.blockCharFormat());
            content.setPosition(from.lastPosition(), QTextCursor::KeepAnchor);
            if (content.hasSelection())
                into.insertFragment(QTextDocumentFragment(content));
        }
    }
    // Each merge counts the table's cells again: beyond a budget of that work, cells stay as they are.
    constexpr qint64 MergeWork = qint64(1) << 24;
    const qint64 cells = qint64(rows) * level.columns;
    qint64 work = 0;
    for (const Merge& merge : level.merges) {
        if ((work += cells) > MergeWork)
            break;
        table->mergeCells(merge.row, merge.column, merge.rows, merge.columns);
    }
    return table;
}

void TableBuilder::close() {
    while (!levels_.empty())
        closeLevel();
}

} // namespace rtf
