#pragma once

#include "rtf/RtfCodePage.h"
#include "rtf/RtfFormats.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfState.h"
#include "rtf/RtfTableBuilder.h"
#include "rtf/RtfTokenizer.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace rtf {

enum class Word;
struct WordInfo;

// Reads the tokens of one RTF document and builds its content into a QTextDocument. Everything is
// driven by an explicit stack of group states, so that no input can make it recurse.
class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument& document);

    void build(std::string_view data);

    // Bytes in a Symbol-font run are mapped by hand: iconv has no table for them.
    static constexpr int SymbolCodePage = -2;

private:
    struct FontEntry {
        int id = -1;
        std::string name;
        int codePage = 0;
        QFont::StyleHint hint = QFont::AnyStyle;
    };
    struct Field {
        std::size_t depth;
        QString instruction;
    };

    GroupState& state() { return stack_.back(); }

    void openGroup();
    void closeGroup();
    // A control word's number, when it has one.
    struct Parameter {
        bool given;
        int number;
        int value() const { return given ? number : 0; }
    };
    void controlWord(std::string_view word, bool hasParam, int param, Tokenizer& tokenizer);
    // One function for each section of the words: the destinations, the font and colour tables and the
    // picture, which take their own words, then the document's, characters', paragraphs' and tables'
    // words and the characters named by a word.
    void destinationWord(Word word);
    bool fontTableWord(Word word, int value); // false: a word the font table leaves to the text
    void colorTableWord(Word word, int value);
    void pictureWord(Word word, int value);
    void documentWord(Word word, int value);
    void characterWord(Word word, Parameter parameter);
    void paragraphWord(Word word, Parameter parameter);
    void tableWord(Word word, int value);
    void namedCharacter(const WordInfo& info, int value);
    void controlSymbol(char symbol, bool hasParam, int param);
    void text(std::string_view bytes);
    bool consumeSkip();

    // Text of the current destination.
    void appendBytes(std::string_view bytes);
    void appendChar(char16_t c);
    void decodePendingBytes();
    void flushText();
    int currentCodePage() const;

    // Placing the cursor: table cells, paragraphs and page breaks. Levels count tables, 1 the outermost.
    int tableLevel() const;
    void ensurePosition(int level);
    void startBlock();
    void endParagraph();
    void endCell(int level);
    void endRow(int level);
    void pageBreak();
    void finish();

    void commitFont();
    void commitColour();
    void emitPicture();
    void startFieldResult();

    QTextDocument& document_;
    QTextCursor cursor_;
    TableBuilder tables_;
    CodePageDecoder decoder_;

    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    int skip_ = 0;
    bool done_ = false;

    QString pending_;
    CharState pendingState_;
    std::string pendingBytes_;
    int pendingCodePage_ = 0;
    bool pendingSurrogate_ = false;

    bool pendingBreak_ = false;
    bool blockHasContent_ = false;
    bool blockPageBreak_ = false;
    bool nextPageBreak_ = false;
    bool sectionEnded_ = false;     // \sect seen, no paragraph of the next section begun yet
    bool sectionStartsPage_ = true; // the break kind of the section being defined; a new page unless said

    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    FontTable fonts_;
    FontEntry fontEntry_;
    ColourTable colours_;
    int red_ = -1;
    int green_ = -1;
    int blue_ = -1;

    // Per table level the row definition last given; nested rows give theirs after their cells.
    std::vector<RowDefinition> rows_ = std::vector<RowDefinition>(TableBuilder::MaxLevels);
    std::size_t rowLevel_ = 0; // the index in rows_ of the definition being read
    CellDefinition cell_;

    PictureData picture_;
    std::size_t pictureDepth_ = 0;
    int pictureCount_ = 0;
    std::int64_t imageBudget_ = 0; // bytes that decoded pictures may still take
    std::vector<Field> fields_;
};

} // namespace rtf
