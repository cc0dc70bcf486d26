#include "rtf/RtfTableBuilder.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>

namespace rtf {

namespace {

constexpr int maxColumns = 64;

double pixels(int twips) {
    return std::clamp(twips, 0, maxTwips) / twipsPerPixel;
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

} // namespace

bool TableBuilder::enterCell(const RowDefinition& row) {
    bool moved = false;
    if (!table_) {
        const int columns = std::clamp(static_cast<int>(row.cells.size()), 1, maxColumns);
        // Each change to a table makes QTextDocument scan all of its frames again, which costs time in
        // proportion to the whole document. The table is therefore built in a document of its own and
        // moved into the real one in one piece when it is complete.
        mainCursor_ = cursor_;
        tableDocument_ = std::make_unique<QTextDocument>();
        tableDocument_->setUndoRedoEnabled(false);
        cursor_ = QTextCursor(tableDocument_.get());
        cursor_.beginEditBlock();
        table_ = cursor_.insertTable(1, columns, tableFormat(row));
        ++tableCount_;
        row_ = 0;
        rowOpen_ = true;
        inCell_ = true;
        widthsFrom_ = 0;
        boundaries_.clear();
        merges_.clear();
        verticalStart_.assign(static_cast<std::size_t>(columns), -1);
        verticalMerge_.assign(static_cast<std::size_t>(columns), -1);
        applyWidths(row);
        mapCells(row);
        moved = true;
    } else if (!rowOpen_) {
        table_->appendRows(1);
        ++row_;
        rowOpen_ = true;
        inCell_ = false;
        mapCells(row);
    }
    const int columnCount = std::clamp(static_cast<int>(row.cells.size()), 1, maxColumns);
    if (columnCount > table_->columns())
        table_->appendColumns(columnCount - table_->columns());
    if (row.cells.size() > widthsFrom_)
        applyWidths(row);
    const int column = cell_ < static_cast<int>(cellColumns_.size())
                           ? cellColumns_[static_cast<std::size_t>(cell_)]
                           : (cellColumns_.empty()
                                  ? cell_
                                  : cellColumns_.back() + 1 + cell_ - static_cast<int>(cellColumns_.size()));
    if (column >= table_->columns() && table_->columns() < maxColumns)
        table_->appendColumns(std::min(column, maxColumns - 1) - table_->columns() + 1);
    const int target = std::min(column, table_->columns() - 1);
    if (!inCell_ || target != column_) {
        column_ = target;
        cursor_ = table_->cellAt(row_, column_).firstCursorPosition();
        inCell_ = true;
        moved = true;
    }
    return moved;
}

void TableBuilder::mapCells(const RowDefinition& row) {
    cell_ = 0;
    column_ = 0;
    cellColumns_.clear();
    cellEnds_.clear();
    if (boundaries_.empty() || row.cells.empty())
        return;
    // A cell edge counts as one of the table's when it lies within a small tolerance of it, because
    // writers round the positions of the rows of one table differently.
    constexpr int tolerance = 30;
    int next = 0;
    for (const CellDefinition& cell : row.cells) {
        int end = next;
        while (end < static_cast<int>(boundaries_.size()) &&
               boundaries_[static_cast<std::size_t>(end)] < cell.right - tolerance)
            ++end;
        if (end >= static_cast<int>(boundaries_.size()) ||
            boundaries_[static_cast<std::size_t>(end)] > cell.right + tolerance) {
            cellColumns_.clear();
            cellEnds_.clear();
            return;
        }
        cellColumns_.push_back(next);
        cellEnds_.push_back(end);
        next = end + 1;
    }
}

void TableBuilder::applyWidths(const RowDefinition& row) {
    if (row.cells.empty())
        return;
    QVector<QTextLength> widths;
    boundaries_.clear();
    int previous = row.left;
    for (const CellDefinition& cell : row.cells) {
        if (widths.size() == maxColumns)
            break;
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1.0, pixels(cell.right - previous))));
        boundaries_.push_back(cell.right);
        previous = cell.right;
    }
    while (widths.size() < table_->columns())
        widths.append(QTextLength());
    QTextTableFormat format = table_->format();
    format.setColumnWidthConstraints(widths);
    table_->setFormat(format);
    widthsFrom_ = row.cells.size();
}

void TableBuilder::finishCell() {
    if (!table_)
        return;
    if (cell_ + 1 < maxColumns)
        ++cell_;
    inCell_ = false;
}

void TableBuilder::finishRow(const RowDefinition& row, const ColourTable& colours) {
    if (!table_ || !rowOpen_)
        return;
    const int columns = table_->columns();
    verticalStart_.resize(std::max(verticalStart_.size(), static_cast<std::size_t>(columns)), -1);
    verticalMerge_.resize(verticalStart_.size(), -1);
    const int cells = std::min(static_cast<int>(row.cells.size()), columns);
    const auto cellStart = [&](int k) {
        return k < static_cast<int>(cellColumns_.size()) ? cellColumns_[static_cast<std::size_t>(k)] : k;
    };
    const auto cellEnd = [&](int k) {
        return std::min(k < static_cast<int>(cellEnds_.size()) ? cellEnds_[static_cast<std::size_t>(k)] : k,
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
            merges_.push_back({row_, column, 1, end - column + 1});
        // RTF's gap separates text from the cell's sides only; above and below there is next to none.
        QTextTableCell tableCell = table_->cellAt(row_, column);
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
        int& start = verticalStart_[static_cast<std::size_t>(column)];
        int& merge = verticalMerge_[static_cast<std::size_t>(column)];
        if (cell.verticalMergeFirst) {
            start = row_;
            merge = -1;
        } else if (cell.verticalMergeNext && start >= 0 && end == column) {
            if (merge < 0) {
                merge = static_cast<int>(merges_.size());
                merges_.push_back({start, column, 1, 1});
            }
            merges_[static_cast<std::size_t>(merge)].rows = row_ - start + 1;
        } else {
            start = -1;
            merge = -1;
        }
    }
    rowOpen_ = false;
    inCell_ = false;
}

void TableBuilder::close() {
    if (!table_)
        return;
    for (const Merge& merge : merges_)
        table_->mergeCells(merge.row, merge.column, merge.rows, merge.columns);
    QTextCursor(tableDocument_.get()).endEditBlock();
    const QTextDocumentFragment fragment(tableDocument_.get());
    cursor_ = mainCursor_;
    const bool atDocumentStart = cursor_.atStart() && cursor_.block().length() == 1;
    cursor_.insertFragment(fragment);
    if (atDocumentStart) {
        // QTextDocument keeps a paragraph before any table; one that nobody wrote takes no room.
        QTextCursor start(cursor_.document());
        QTextBlockFormat empty;
        empty.setLineHeight(0, QTextBlockFormat::FixedHeight);
        start.setBlockFormat(empty);
    }
    tableDocument_.reset();
    table_ = nullptr;
    rowOpen_ = false;
    inCell_ = false;
    merges_.clear();
}

} // namespace rtf
