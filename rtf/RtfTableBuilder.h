#pragma once

#include "rtf/RtfState.h"

#include <QColor>
#include <QTextCursor>
#include <QTextTableFormat>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QTextDocument;
class QTextDocumentFragment;
class QTextTable;
class QTextTableCell;

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
// any table closes it. Like word processors, it takes a row by its \cell and \row marks rather than by
// \intbl: once a row has begun, all text up to its end belongs to it, and the paragraph before a row's first
// cell is that cell. Tables nest: the table of level 2 lies in the current cell of level 1, and so on.
// Cells beyond the defined ones widen the table instead of being lost, because some writers give the row
// definition only after the cells; cells beyond the widest table go on in its last column. A row whose cells
// end on the edges of the first row's columns but spans several of them (a wide cell) has its cells merged
// across those columns.
class TableBuilder {
public:
    // Deeper tables are put into the deepest one.
    static constexpr int MaxLevels = 16;
    // The cells that one table, with the tables nested in it, may have. Each costs about as much as a short
    // paragraph to build and many times that to lay out; a catalog's longest table has a few thousand.
    static constexpr std::int64_t MaxCells = 8192;

    explicit TableBuilder(QTextCursor& cursor) : cursor_(cursor) {}

    bool isOpen() const { return !levels_.empty(); }
    // The cursor stands in a paragraph of no cell: outside any table, or after the outermost one.
    bool outsideCells() const { return levels_.empty() || inTail_; }
    bool inTail() const { return inTail_; }
    // The innermost level whose row is being built, or 0 when there is none.
    int openRowLevel() const;
    // The rows begun so far have used up the cells a table may have: the reader ends at the row's end.
    bool exhausted() const { return cells_ >= MaxCells; }

    // Puts the cursor into the current cell of the table at level (1 is the outermost), ending deeper
    // tables and starting tables and rows as needed. With carryParagraph, the text before the cursor in a
    // paragraph outside the cells moves into that cell. Returns true when the cursor was moved to a new
    // paragraph.
    bool enterCell(int level, std::span<const RowDefinition> rows, bool carryParagraph);
    // Puts the cursor after the outermost table, whose rows are all finished, where a paragraph waits to
    // learn whether it ends the table or begins its next row. Returns true when the cursor was moved.
    bool enterTail();
    void finishCell(int level);
    void finishRow(int level, const RowDefinition& row, const ColourTable& colours);
    // Leaves all tables; the cursor stands in the paragraph after the outermost one.
    void close();

private:
    struct Merge {
        int row;
        int column;
        int rows;
        int columns;
    };

    // One table being built. QTextTable counts all its cells again after each change of its shape, and
    // it inserts and removes each cell of a row with work in proportion to the whole table, while
    // QTextDocument looks through the whole document after each change of a table. A table grown row by
    // row, or grown ahead and cut back, therefore takes time in the square of its rows. Its rows are
    // written instead into small tables of ChunkRows rows, each in a document of its own; when the table
    // is complete, the real one is made with all its rows at once, the cells' contents are moved into it,
    // and it is put into its place in one piece. The level's own document holds what follows the table.
    struct Level {
        QTextCursor place; // where the table goes
        std::unique_ptr<QTextDocument> document;
        std::vector<std::unique_ptr<QTextDocument>> chunkDocuments;
        std::vector<QTextTable*> chunks;
        QTextTableFormat format;
        int columns = 1;
        int row = 0;
        int cell = 0;    // the RTF cell within the row
        int column = 0;  // the table column it starts in
        int filled = -1; // the column whose cell the last finished RTF cell of the row was
        bool rowOpen = false;
        bool inCell = false;
        std::size_t widthsFrom = 0;
        std::vector<int> boundaries;  // right edges of the table's columns, twips
        std::vector<int> cellColumns; // per RTF cell of the current row, the first column it covers
        std::vector<int> cellEnds;    // and the last
        std::vector<Merge> merges;
        std::vector<int> verticalStart; // per column, the row where a vertical merge began, or -1
        std::vector<int> verticalMerge; // per column, the index of that merge in merges, or -1

        QTextTable* chunk() const { return chunks.back(); }
        QTextTableCell cellAt(int row, int column) const;
    };

    static constexpr int ChunkRows = 16;

    QTextDocumentFragment takeParagraph();
    void openLevel(const RowDefinition& row);
    void closeLevel();
    void addChunk(Level& level);
    static QTextTable* assemble(Level& level, QTextCursor& at);
    bool enterCurrentCell(Level& level, const RowDefinition& row);
    void applyDefinition(Level& level, const RowDefinition& row);
    void mapCells(Level& level, const RowDefinition& row);

    QTextCursor& cursor_;
    std::vector<Level> levels_;
    bool inTail_ = false;
    std::int64_t cells_ = 0;
};

} // namespace rtf
