#pragma once

#include "rtf/RtfState.h"

#include <QColor>
#include <QTextCursor>

#include <memory>
#include <optional>
#include <vector>

class QTextDocument;
class QTextTable;

namespace rtf {

struct CellDefinition {
    int right = 0; // twips, \cellx
    bool mergeFirst = false;
    bool mergeNext = false;
    bool verticalMergeFirst = false;
    bool verticalMergeNext = false;
    int background = -1;
};

struct RowDefinition {
    std::vector<CellDefinition> cells;
    int left = 0;
    int gap = 0;
    Alignment alignment = Alignment::Left;
    bool borders = false;
};

using ColourTable = std::vector<std::optional<QColor>>;

// Turns the row-by-row tables of RTF into QTextTables: rows join the open table until a paragraph outside
// any table closes it. Cells beyond the defined ones widen the table instead of being lost, because some
// writers give the row definition only after the cells. A row whose cells end on the edges of the first
// row's columns but spans several of them (a wide cell) has its cells merged across those columns.
class TableBuilder {
public:
    explicit TableBuilder(QTextCursor& cursor) : cursor_(cursor) {}

    bool isOpen() const { return table_ != nullptr; }

    // Puts the cursor into the current cell, starting the table or the row when needed. Returns true when
    // the cursor was moved to the start of a cell.
    bool enterCell(const RowDefinition& row);
    void finishCell();
    void finishRow(const RowDefinition& row, const ColourTable& colours);
    // Leaves the table; the cursor stands in the empty paragraph after it.
    void close();

    int tableCount() const { return tableCount_; }

private:
    struct Merge {
        int row;
        int column;
        int rows;
        int columns;
    };

    void applyWidths(const RowDefinition& row);
    void mapCells(const RowDefinition& row);

    QTextCursor& cursor_;
    QTextCursor mainCursor_; // where the table goes in the real document
    std::unique_ptr<QTextDocument> tableDocument_;
    QTextTable* table_ = nullptr;
    int row_ = 0;
    int cell_ = 0;   // the RTF cell within the row
    int column_ = 0; // the table column it starts in
    bool rowOpen_ = false;
    bool inCell_ = false;
    int tableCount_ = 0;
    std::size_t widthsFrom_ = 0;
    std::vector<int> boundaries_;  // right edges of the table's columns, twips
    std::vector<int> cellColumns_; // per RTF cell of the current row, the first column it covers
    std::vector<int> cellEnds_;    // and the last
    std::vector<Merge> merges_;
    std::vector<int> verticalStart_; // per column, the row where a vertical merge began, or -1
    std::vector<int> verticalMerge_; // per column, the index of that merge in merges_, or -1
};

} // namespace rtf
