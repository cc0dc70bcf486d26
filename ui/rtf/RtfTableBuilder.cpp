#include "ui/rtf/RtfTableBuilder.h"

#include "ui/rtf/RtfReader.h"

#include <QTextTable>

#include <algorithm>

namespace rtf {

namespace {

constexpr int maxColumns = 64;
constexpr int maxLength = 31680; // 22 inches, the largest paper RTF writers offer

double pixels(int twips) { return std::clamp(twips, 0, maxLength) / twipsPerPixel; }

QTextTableFormat tableFormat(const RowDefinition& row) {
    QTextTableFormat format;
    format.setCellSpacing(0);
    format.setCellPadding(std::max(2.0, pixels(row.gap)));
    format.setBorderCollapse(true);
    format.setBorder(row.borders ? 1 : 0);
    format.setBorderStyle(row.borders ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None);
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
        table_ = cursor_.insertTable(1, columns, tableFormat(row));
        ++tableCount_;
        row_ = 0;
        column_ = 0;
        rowOpen_ = true;
        inCell_ = true;
        widthsFrom_ = 0;
        merges_.clear();
        verticalStart_.assign(static_cast<std::size_t>(columns), -1);
        verticalMerge_.assign(static_cast<std::size_t>(columns), -1);
        applyWidths(row);
        moved = true;
    } else if (!rowOpen_) {
        table_->appendRows(1);
        ++row_;
        column_ = 0;
        rowOpen_ = true;
        inCell_ = false;
    }
    const int columnCount = std::clamp(static_cast<int>(row.cells.size()), 1, maxColumns);
    if (columnCount > table_->columns())
        table_->appendColumns(columnCount - table_->columns());
    if (row.cells.size() > widthsFrom_)
        applyWidths(row);
    if (column_ >= table_->columns()) {
        if (table_->columns() < maxColumns)
            table_->appendColumns(1);
        column_ = std::min(column_, table_->columns() - 1);
    }
    if (!inCell_) {
        cursor_ = table_->cellAt(row_, column_).firstCursorPosition();
        inCell_ = true;
        moved = true;
    }
    return moved;
}

void TableBuilder::applyWidths(const RowDefinition& row) {
    if (row.cells.empty())
        return;
    QVector<QTextLength> widths;
    int previous = row.left;
    for (const CellDefinition& cell : row.cells) {
        if (widths.size() == maxColumns)
            break;
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1.0, pixels(cell.right - previous))));
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
    if (column_ + 1 < maxColumns)
        ++column_;
    inCell_ = false;
}

void TableBuilder::finishRow(const RowDefinition& row, const ColourTable& colours) {
    if (!table_ || !rowOpen_)
        return;
    const int columns = table_->columns();
    verticalStart_.resize(std::max(verticalStart_.size(), static_cast<std::size_t>(columns)), -1);
    verticalMerge_.resize(verticalStart_.size(), -1);
    for (int c = 0; c < columns && c < static_cast<int>(row.cells.size()); ++c) {
        const CellDefinition& cell = row.cells[static_cast<std::size_t>(c)];
        if (cell.background > 0 && cell.background < static_cast<int>(colours.size()) &&
            colours[static_cast<std::size_t>(cell.background)]) {
            QTextTableCell tableCell = table_->cellAt(row_, c);
            QTextTableCellFormat format = tableCell.format().toTableCellFormat();
            format.setBackground(*colours[static_cast<std::size_t>(cell.background)]);
            tableCell.setFormat(format);
        }
        if (cell.mergeFirst) {
            int span = 1;
            while (c + span < columns && c + span < static_cast<int>(row.cells.size()) &&
                   row.cells[static_cast<std::size_t>(c + span)].mergeNext)
                ++span;
            if (span > 1)
                merges_.push_back({row_, c, 1, span});
        }
        int& start = verticalStart_[static_cast<std::size_t>(c)];
        int& merge = verticalMerge_[static_cast<std::size_t>(c)];
        if (cell.verticalMergeFirst) {
            start = row_;
            merge = -1;
        } else if (cell.verticalMergeNext && start >= 0) {
            if (merge < 0) {
                merge = static_cast<int>(merges_.size());
                merges_.push_back({start, c, 1, 1});
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
    cursor_ = table_->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    table_ = nullptr;
    rowOpen_ = false;
    inCell_ = false;
    merges_.clear();
}

} // namespace rtf
