#include "rtf/RtfDocumentBuilder.h"

#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace rtf {

namespace {

// Deeper nesting than this happens only in damaged or hostile files; deeper groups share the state of the
// deepest one so that the memory used stays fixed.
constexpr std::size_t MaxDepth = 1024;

// The few characters of the Symbol font that documents use for list bullets and marks.
char16_t symbolCharacter(unsigned char byte) {
    switch (byte) {
    case 0xB7:
        return 0x2022;
    case 0xA7:
        return 0x25AA;
    case 0xD8:
        return 0x2192;
    case 0xFC:
        return 0x2713;
    default:
        return byte;
    }
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument& document)
    : document_(document), cursor_(&document), tables_(cursor_) {}

void DocumentBuilder::build(std::string_view data) {
    // All pictures together may take a fixed multiple of the file's size once decoded (with a floor for
    // small files), however large they claim to be.
    imageBudget_ =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(data.size()) * 32, 32LL << 20, 512LL << 20);
    document_.setUndoRedoEnabled(false);
    QTextOption option = document_.defaultTextOption();
    option.setTabStopDistance(720 / TwipsPerPixel); // RTF's default of half an inch
    document_.setDefaultTextOption(option);
    // One edit block for the whole build keeps the document from updating cursors and layouts after each
    // insertion.
    cursor_.beginEditBlock();
    Tokenizer tokenizer(data);
    stack_.reserve(64);
    for (Token token = tokenizer.next(); token.type != TokenType::End && !done_; token = tokenizer.next()) {
        switch (token.type) {
        case TokenType::GroupStart:
            openGroup();
            break;
        case TokenType::GroupEnd:
            closeGroup();
            break;
        case TokenType::ControlWord:
            if (stack_.empty())
                break;
            controlWord(token.text, token.hasParam, token.param, tokenizer);
            state().atGroupStart = false;
            break;
        case TokenType::ControlSymbol:
            if (stack_.empty())
                break;
            controlSymbol(token.symbol, token.hasParam, token.param);
            state().atGroupStart = false;
            break;
        case TokenType::Text:
            if (stack_.empty())
                break;
            text(token.text);
            state().atGroupStart = false;
            break;
        case TokenType::End:
            break;
        }
    }
    finish();
    QTextCursor(&document_).endEditBlock();
}

void DocumentBuilder::openGroup() {
    skip_ = 0;
    if (stack_.size() >= MaxDepth) {
        ++overflowDepth_;
        return;
    }
    if (stack_.empty()) {
        stack_.emplace_back();
        return;
    }
    GroupState copy = state();
    copy.starred = false;
    copy.atGroupStart = true;
    stack_.push_back(std::move(copy));
}

void DocumentBuilder::closeGroup() {
    skip_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (stack_.empty())
        return;
    const Destination destination = state().destination;
    if (destination == Destination::FontTable)
        commitFont();
    const bool pictureEnds = destination == Destination::Picture && pictureDepth_ == stack_.size();
    if (!fields_.empty() && fields_.back().depth == stack_.size())
        fields_.pop_back();
    if (stack_.size() == 1) {
        // The document ends with its outermost group; what follows is not part of it.
        done_ = true;
        return;
    }
    stack_.pop_back();
    if (pictureEnds) {
        pictureDepth_ = 0;
        if (state().destination == Destination::Text)
            emitPicture();
        picture_ = {};
    }
}

bool DocumentBuilder::consumeSkip() {
    if (skip_ <= 0)
        return false;
    --skip_;
    return true;
}

void DocumentBuilder::text(std::string_view bytes) {
    while (skip_ > 0 && !bytes.empty()) {
        --skip_;
        bytes.remove_prefix(1);
    }
    if (bytes.empty())
        return;
    GroupState& s = state();
    switch (s.destination) {
    case Destination::Text:
    case Destination::FieldInstruction:
        appendBytes(bytes);
        break;
    case Destination::FontTable:
        for (const char c : bytes) {
            if (c == ';') {
                commitFont();
                fontEntry_ = {};
            } else if (fontEntry_.name.size() < 256) {
                fontEntry_.name.push_back(c);
            }
        }
        break;
    case Destination::ColorTable:
        for (const char c : bytes)
            if (c == ';')
                commitColour();
        break;
    case Destination::Picture:
        picture_.addHex(bytes);
        break;
    case Destination::Skip:
        break;
    }
}

void DocumentBuilder::appendBytes(std::string_view bytes) {
    GroupState& s = state();
    if (s.destination == Destination::FieldInstruction) {
        if (!fields_.empty() && fields_.back().instruction.size() < 4096)
            decoder_.decode(currentCodePage() == SymbolCodePage ? 1252 : currentCodePage(), bytes,
                            fields_.back().instruction);
        return;
    }
    if (s.destination != Destination::Text || s.chr.hidden)
        return;
    const int codePage = currentCodePage();
    if (!pendingBytes_.empty() && codePage != pendingCodePage_)
        decodePendingBytes();
    if ((!pending_.isEmpty() || !pendingBytes_.empty()) && !(s.chr == pendingState_))
        flushText();
    pendingState_ = s.chr;
    pendingBytes_.append(bytes);
    pendingCodePage_ = codePage;
}

void DocumentBuilder::appendChar(char16_t c) {
    GroupState& s = state();
    if (s.destination == Destination::FieldInstruction) {
        if (!fields_.empty())
            if (fields_.back().instruction.size() < 4096)
                fields_.back().instruction.append(QChar(c));
        return;
    }
    if (s.destination != Destination::Text || s.chr.hidden)
        return;
    decodePendingBytes();
    if (!pending_.isEmpty() && !(s.chr == pendingState_))
        flushText();
    pendingState_ = s.chr;
    if (QChar::isSurrogate(c))
        pendingSurrogate_ = true;
    pending_.append(QChar(c));
}

void DocumentBuilder::decodePendingBytes() {
    if (pendingBytes_.empty())
        return;
    if (pendingCodePage_ == SymbolCodePage) {
        for (const char c : pendingBytes_)
            pending_.append(QChar(symbolCharacter(static_cast<unsigned char>(c))));
    } else {
        decoder_.decode(pendingCodePage_, pendingBytes_, pending_);
    }
    pendingBytes_.clear();
}

void DocumentBuilder::flushText() {
    decodePendingBytes();
    if (pending_.isEmpty())
        return;
    if (pendingSurrogate_) {
        // Halves of a surrogate pair that lost their partner would make invalid text.
        for (qsizetype i = 0; i < pending_.size(); ++i) {
            const QChar c = pending_.at(i);
            if (c.isHighSurrogate() && i + 1 < pending_.size() && pending_.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                pending_[i] = QChar(QChar::ReplacementCharacter);
        }
        pendingSurrogate_ = false;
    }
    ensurePosition(tableLevel());
    cursor_.insertText(pending_, toCharFormat(pendingState_, fonts_, defaultFont_, colours_));
    blockHasContent_ = true;
    pending_.clear();
}

int DocumentBuilder::currentCodePage() const {
    const int font = stack_.back().chr.font >= 0 ? stack_.back().chr.font : defaultFont_;
    const auto found = fonts_.find(font);
    if (found != fonts_.end() && found->second.codePage != 0 && found->second.codePage != 1252)
        return found->second.codePage;
    return documentCodePage_;
}

int DocumentBuilder::tableLevel() const {
    const ParaState& para = stack_.back().para;
    return para.inTable ? std::clamp(para.tableLevel, 1, TableBuilder::MaxLevels) : 0;
}

void DocumentBuilder::ensurePosition(int level) {
    // A row being built takes all text up to its end, whether its paragraphs say they are in a table or not.
    if (level == 0)
        level = tables_.openRowLevel();
    const bool carry = blockHasContent_ && !pendingBreak_ && tables_.outsideCells();
    const bool moved = level > 0 ? tables_.enterCell(level, rows_, carry) : tables_.enterTail();
    if (moved) {
        pendingBreak_ = false;
        // A paragraph carried into a cell keeps what it had.
        if (!carry)
            startBlock();
    }
    if (pendingBreak_) {
        cursor_.insertBlock();
        pendingBreak_ = false;
        startBlock();
    }
}

void DocumentBuilder::startBlock() {
    blockHasContent_ = false;
    blockPageBreak_ = nextPageBreak_ || (sectionEnded_ && sectionStartsPage_);
    nextPageBreak_ = false;
    sectionEnded_ = false;
}

void DocumentBuilder::endParagraph() {
    flushText();
    ensurePosition(tableLevel());
    // A paragraph after the last row that does not begin a row of its own ends the table.
    if (tables_.inTail())
        tables_.close();
    cursor_.setBlockFormat(toBlockFormat(state().para, blockPageBreak_));
    if (!blockHasContent_)
        cursor_.setBlockCharFormat(toCharFormat(state().chr, fonts_, defaultFont_, colours_));
    pendingBreak_ = true;
}

void DocumentBuilder::endCell(int level) {
    flushText();
    ensurePosition(level);
    cursor_.setBlockFormat(toBlockFormat(state().para, blockPageBreak_));
    tables_.finishCell(level);
    pendingBreak_ = false;
}

void DocumentBuilder::endRow(int level) {
    flushText();
    // Text that no cell took yet is the row's last cell.
    if (blockHasContent_ && !pendingBreak_ && tables_.outsideCells())
        ensurePosition(level);
    tables_.finishRow(level, rows_[static_cast<std::size_t>(level - 1)], colours_);
    pendingBreak_ = false;
    // A document that would take longer to build than anyone would wait shows what was read so far.
    if (tables_.exhausted())
        done_ = true;
}

void DocumentBuilder::pageBreak() {
    flushText();
    if (blockHasContent_ && !pendingBreak_)
        endParagraph();
    if (pendingBreak_)
        nextPageBreak_ = true;
    else
        blockPageBreak_ = true;
}

void DocumentBuilder::finish() {
    if (stack_.empty())
        return;
    // A cut-off file ends wherever it stopped: what it said so far, table cells included, is kept.
    flushText();
    if (tables_.inTail())
        tables_.close();
    if (blockHasContent_ && !pendingBreak_)
        cursor_.setBlockFormat(toBlockFormat(state().para, blockPageBreak_));
    tables_.close();
    if (const auto font = fonts_.find(defaultFont_); font != fonts_.end() && !font->second.name.isEmpty())
        document_.setDefaultFont(QFont(font->second.name, 12));
}

void DocumentBuilder::commitFont() {
    if (fontEntry_.id < 0)
        return;
    std::string_view name(fontEntry_.name);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
        name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.remove_suffix(1);
    Font font;
    decoder_.decode(fontEntry_.codePage > 0 ? fontEntry_.codePage : documentCodePage_, name, font.name);
    font.codePage = fontEntry_.codePage;
    font.hint = fontEntry_.hint;
    if (fonts_.size() < 4096 || fonts_.count(fontEntry_.id))
        fonts_[fontEntry_.id] = font;
    fontEntry_.id = -1;
}

void DocumentBuilder::commitColour() {
    if (colours_.size() >= 4096)
        return;
    if (red_ < 0 && green_ < 0 && blue_ < 0)
        colours_.push_back(std::nullopt);
    else
        colours_.push_back(QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
    red_ = green_ = blue_ = -1;
}

void DocumentBuilder::emitPicture() {
    const Picture picture = decodePicture(picture_, imageBudget_);
    if (picture.size.isEmpty())
        return;
    flushText();
    ensurePosition(tableLevel());
    QTextImageFormat format;
    QString name;
    if (picture.image.isNull()) {
        // A picture kind we cannot draw keeps its place on the page as an empty frame.
        name = QStringLiteral("rtf-picture:frame");
        if (document_.resource(QTextDocument::ImageResource, QUrl(name)).isNull()) {
            QImage frame(1, 1, QImage::Format_ARGB32);
            frame.fill(QColor(0xee, 0xee, 0xee));
            document_.addResource(QTextDocument::ImageResource, QUrl(name), frame);
        }
    } else {
        name = QStringLiteral("rtf-picture:%1").arg(++pictureCount_);
        document_.addResource(QTextDocument::ImageResource, QUrl(name), picture.image);
    }
    format.setName(name);
    format.setWidth(picture.size.width());
    format.setHeight(picture.size.height());
    cursor_.insertImage(format);
    blockHasContent_ = true;
}

void DocumentBuilder::startFieldResult() {
    GroupState& s = state();
    if (fields_.empty())
        return;
    const QString target = hyperlinkTarget(fields_.back().instruction.trimmed());
    if (!target.isEmpty())
        s.chr.href = target;
}

} // namespace rtf
