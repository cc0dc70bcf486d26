#include "ui/rtf/RtfDocumentBuilder.h"

#include "ui/rtf/RtfControlWords.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace rtf {

namespace {

// Deeper nesting than this happens only in damaged or hostile files; deeper groups share the state of the
// deepest one so that the memory used stays fixed.
constexpr std::size_t maxDepth = 1024;
constexpr int maxTwips = 31680;
constexpr int symbolCodePage = -2;

double pixels(int twips) {
    return std::clamp(twips, -maxTwips, maxTwips) / twipsPerPixel;
}

bool on(bool hasParam, int param) {
    return !hasParam || param != 0;
}

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

QString hyperlinkTarget(const QString& instruction) {
    static const QRegularExpression argument(QStringLiteral(R"re("([^"]*)"|(\\[A-Za-z*])|(\S+))re"));
    auto it = argument.globalMatch(instruction);
    if (!it.hasNext() || it.next().captured(0).compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return {};
    QString url;
    QString bookmark;
    bool nextIsBookmark = false;
    bool skipNext = false;
    while (it.hasNext()) {
        const auto match = it.next();
        if (!match.captured(2).isEmpty()) {
            const QString flag = match.captured(2);
            nextIsBookmark = flag == QLatin1String("\\l");
            skipNext = !nextIsBookmark && flag != QLatin1String("\\n") && flag != QLatin1String("\\h");
            continue;
        }
        const QString value = match.captured(1).isNull() ? match.captured(3) : match.captured(1);
        if (nextIsBookmark)
            bookmark = value;
        else if (!skipNext && url.isEmpty())
            url = value;
        nextIsBookmark = false;
        skipNext = false;
    }
    if (!bookmark.isEmpty())
        url += QLatin1Char('#') + bookmark;
    return url;
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
    option.setTabStopDistance(720 / twipsPerPixel); // RTF's default of half an inch
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
    if (stack_.size() >= maxDepth) {
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

void DocumentBuilder::controlWord(std::string_view name, bool hasParam, int param, Tokenizer& tokenizer) {
    const WordInfo info = lookUpWord(name);
    GroupState& s = state();

    if (info.word == Word::Binary) {
        const std::string_view bytes = tokenizer.takeBinary(hasParam ? param : 0);
        if (s.destination == Destination::Picture)
            picture_.addBinary(bytes);
        consumeSkip();
        return;
    }
    if (s.destination == Destination::Skip)
        return;
    if (consumeSkip())
        return;

    const bool starred = s.starred;
    s.starred = false;
    switch (info.word) {
    case Word::FontTable:
        s.destination = Destination::FontTable;
        fontEntry_ = {};
        return;
    case Word::ColorTable:
        s.destination = Destination::ColorTable;
        red_ = green_ = blue_ = -1;
        return;
    case Word::Picture:
        if (s.destination != Destination::Text) {
            s.destination = Destination::Skip;
            return;
        }
        s.destination = Destination::Picture;
        picture_ = {};
        pictureDepth_ = stack_.size();
        return;
    case Word::Field:
        if (s.destination == Destination::Text)
            if (fields_.empty() || fields_.back().depth != stack_.size())
                fields_.push_back({stack_.size(), {}});
        return;
    case Word::FieldInstruction:
        s.destination = fields_.empty() ? Destination::Skip : Destination::FieldInstruction;
        return;
    case Word::FieldResult:
        startFieldResult();
        return;
    case Word::SkippedDestination:
        s.destination = Destination::Skip;
        return;
    case Word::KnownDestination:
        return;
    case Word::Unknown:
        if (starred)
            s.destination = Destination::Skip;
        return;
    default:
        break;
    }

    CharState& chr = s.chr;
    ParaState& para = s.para;
    const int value = hasParam ? param : 0;

    switch (s.destination) {
    case Destination::FontTable:
        switch (info.word) {
        case Word::Font:
            commitFont();
            fontEntry_ = {};
            fontEntry_.id = value;
            return;
        case Word::FontCharset:
            fontEntry_.codePage = value == 2 ? symbolCodePage : codePageForCharset(value);
            return;
        case Word::FontCodePage:
            if (value > 0)
                fontEntry_.codePage = value;
            return;
        case Word::FontRoman:
            fontEntry_.hint = QFont::Serif;
            return;
        case Word::FontSwiss:
            fontEntry_.hint = QFont::SansSerif;
            return;
        case Word::FontModern:
            fontEntry_.hint = QFont::TypeWriter;
            return;
        case Word::FontScript:
            fontEntry_.hint = QFont::Cursive;
            return;
        case Word::FontDecor:
            fontEntry_.hint = QFont::Decorative;
            return;
        default:
            break;
        }
        break;
    case Destination::ColorTable:
        switch (info.word) {
        case Word::Red:
            red_ = std::clamp(value, 0, 255);
            return;
        case Word::Green:
            green_ = std::clamp(value, 0, 255);
            return;
        case Word::Blue:
            blue_ = std::clamp(value, 0, 255);
            return;
        default:
            return;
        }
    case Destination::Picture:
        switch (info.word) {
        case Word::PngBlip:
            picture_.kind = PictureData::Kind::Png;
            return;
        case Word::JpegBlip:
            picture_.kind = PictureData::Kind::Jpeg;
            return;
        case Word::Metafile:
            picture_.kind = PictureData::Kind::Metafile;
            return;
        case Word::OtherPicture:
            picture_.kind = PictureData::Kind::Unknown;
            return;
        case Word::PictureWidth:
            picture_.width = value;
            return;
        case Word::PictureHeight:
            picture_.height = value;
            return;
        case Word::PictureGoalWidth:
            picture_.goalWidth = value;
            return;
        case Word::PictureGoalHeight:
            picture_.goalHeight = value;
            return;
        case Word::PictureScaleX:
            picture_.scaleX = value;
            return;
        case Word::PictureScaleY:
            picture_.scaleY = value;
            return;
        default:
            return;
        }
    default:
        break;
    }

    const bool text = s.destination == Destination::Text;
    switch (info.word) {
    case Word::Ansi:
        documentCodePage_ = 1252;
        break;
    case Word::Mac:
        documentCodePage_ = 10000;
        break;
    case Word::Pc:
        documentCodePage_ = 437;
        break;
    case Word::Pca:
        documentCodePage_ = 850;
        break;
    case Word::AnsiCodePage:
        if (value > 0)
            documentCodePage_ = value;
        break;
    case Word::DefaultFont:
        defaultFont_ = value;
        break;
    case Word::UnicodeSkip:
        s.unicodeSkip = std::clamp(value, 0, 16);
        break;
    case Word::PaperWidth:
        pageSetup_.paperWidth = std::clamp(value, 0, maxTwips);
        break;
    case Word::PaperHeight:
        pageSetup_.paperHeight = std::clamp(value, 0, maxTwips);
        break;
    case Word::MarginLeft:
        pageSetup_.marginLeft = std::clamp(value, 0, maxTwips);
        break;
    case Word::MarginRight:
        pageSetup_.marginRight = std::clamp(value, 0, maxTwips);
        break;
    case Word::MarginTop:
        pageSetup_.marginTop = std::clamp(value, 0, maxTwips);
        break;
    case Word::MarginBottom:
        pageSetup_.marginBottom = std::clamp(value, 0, maxTwips);
        break;

    case Word::Plain: {
        const QString href = chr.href;
        chr = CharState{};
        chr.href = href;
        break;
    }
    case Word::Font:
        chr.font = value;
        break;
    case Word::FontSize:
        chr.halfPoints = std::clamp(hasParam ? value : 24, 2, 3276);
        break;
    case Word::Bold:
        chr.bold = on(hasParam, param);
        break;
    case Word::Italic:
        chr.italic = on(hasParam, param);
        break;
    case Word::Underline:
        chr.underline = on(hasParam, param);
        break;
    case Word::UnderlineNone:
        chr.underline = false;
        break;
    case Word::Strike:
        chr.strike = on(hasParam, param);
        break;
    case Word::Superscript:
        chr.vertical = VerticalPosition::Super;
        break;
    case Word::Subscript:
        chr.vertical = VerticalPosition::Sub;
        break;
    case Word::NoSuperSub:
        chr.vertical = VerticalPosition::Normal;
        break;
    case Word::Up:
        chr.vertical = hasParam && param == 0 ? VerticalPosition::Normal : VerticalPosition::Super;
        break;
    case Word::Down:
        chr.vertical = hasParam && param == 0 ? VerticalPosition::Normal : VerticalPosition::Sub;
        break;
    case Word::Foreground:
        chr.foreground = value;
        break;
    case Word::Background:
        chr.background = value;
        break;
    case Word::Caps:
        chr.caps = on(hasParam, param);
        break;
    case Word::SmallCaps:
        chr.smallCaps = on(hasParam, param);
        break;
    case Word::Hidden:
        chr.hidden = on(hasParam, param);
        break;

    case Word::Par:
        if (text)
            endParagraph();
        break;
    case Word::Line:
        appendChar(QChar::LineSeparator);
        break;
    case Word::Tab:
        appendChar(u'\t');
        break;
    case Word::Pard:
        para = ParaState{};
        break;
    case Word::AlignLeft:
        para.alignment = Alignment::Left;
        break;
    case Word::AlignRight:
        para.alignment = Alignment::Right;
        break;
    case Word::AlignCenter:
        para.alignment = Alignment::Center;
        break;
    case Word::AlignJustify:
        para.alignment = Alignment::Justify;
        break;
    case Word::LeftIndent:
        para.leftIndent = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::RightIndent:
        para.rightIndent = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::FirstIndent:
        para.firstIndent = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::SpaceBefore:
        para.spaceBefore = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::SpaceAfter:
        para.spaceAfter = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::LineSpacing:
        para.lineSpacing = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::LineSpacingMultiple:
        para.lineSpacingMultiple = on(hasParam, param);
        break;
    case Word::TabPosition:
    case Word::TabRight:
    case Word::TabCenter:
    case Word::TabDecimal: {
        // The kind words come before the position they qualify; they are kept on a stop without position.
        auto tabs = para.tabs ? std::make_shared<std::vector<TabStop>>(*para.tabs)
                              : std::make_shared<std::vector<TabStop>>();
        if (tabs->empty() || tabs->back().position >= 0)
            tabs->push_back({-1, TabStop::Left});
        TabStop& stop = tabs->back();
        if (info.word == Word::TabRight)
            stop.kind = TabStop::Right;
        else if (info.word == Word::TabCenter)
            stop.kind = TabStop::Center;
        else if (info.word == Word::TabDecimal)
            stop.kind = TabStop::Decimal;
        else
            stop.position = std::clamp(value, 0, maxTwips);
        if (tabs->size() <= 64)
            para.tabs = std::move(tabs);
        break;
    }
    case Word::InTable:
        para.inTable = true;
        para.tableLevel = std::max(para.tableLevel, 1);
        break;
    case Word::TableLevel:
        para.tableLevel = std::clamp(value, 0, 1000);
        para.inTable = para.tableLevel > 0;
        break;
    case Word::PageBreakBefore:
        para.pageBreakBefore = on(hasParam, param);
        break;
    case Word::Page:
        if (text)
            pageBreak();
        break;
    case Word::Section:
        if (text) {
            flushText();
            if (blockHasContent_ && !pendingBreak_)
                endParagraph();
            sectionEnded_ = true;
        }
        break;
    case Word::SectionDefault:
    case Word::SectionBreakPage:
        sectionStartsPage_ = true;
        break;
    case Word::SectionBreakNone:
        sectionStartsPage_ = false;
        break;

    case Word::Cell:
        if (text)
            endCell();
        break;
    case Word::Row:
        if (text)
            endRow();
        break;
    case Word::NestedCell:
        appendChar(u'\t');
        break;
    case Word::NestedRow:
        appendChar(QChar::LineSeparator);
        break;
    case Word::RowDefaults:
        row_ = RowDefinition{};
        cell_ = CellDefinition{};
        break;
    case Word::RowLeft:
        row_.left = std::clamp(value, -maxTwips, maxTwips);
        break;
    case Word::RowGap:
        row_.gap = std::clamp(value, 0, maxTwips);
        break;
    case Word::RowAlignLeft:
        row_.alignment = Alignment::Left;
        break;
    case Word::RowAlignCenter:
        row_.alignment = Alignment::Center;
        break;
    case Word::RowAlignRight:
        row_.alignment = Alignment::Right;
        break;
    case Word::CellRight:
        cell_.right = std::clamp(value, -maxTwips, 4 * maxTwips);
        if (row_.cells.size() < 256)
            row_.cells.push_back(cell_);
        cell_ = CellDefinition{};
        break;
    case Word::CellMergeFirst:
        cell_.mergeFirst = true;
        break;
    case Word::CellMerge:
        cell_.mergeNext = true;
        break;
    case Word::CellVerticalMergeFirst:
        cell_.verticalMergeFirst = true;
        break;
    case Word::CellVerticalMerge:
        cell_.verticalMergeNext = true;
        break;
    case Word::CellBackground:
        cell_.background = value;
        break;
    case Word::Border:
        row_.borders = true;
        break;

    case Word::Unicode: {
        const int code = value < 0 ? value + 65536 : value;
        if (code > 0 && code <= 0xFFFF)
            appendChar(static_cast<char16_t>(code));
        skip_ = s.unicodeSkip;
        break;
    }
    case Word::Special:
        appendChar(info.character);
        break;
    default:
        break;
    }
}

void DocumentBuilder::controlSymbol(char symbol, bool hasParam, int param) {
    GroupState& s = state();
    if (s.destination == Destination::Skip)
        return;
    if (symbol == '*') {
        s.starred = true;
        return;
    }
    if (consumeSkip())
        return;
    switch (symbol) {
    case '\'':
        if (hasParam) {
            const char byte = static_cast<char>(param);
            text(std::string_view(&byte, 1));
        }
        break;
    case '\\':
    case '{':
    case '}':
        text(std::string_view(&symbol, 1));
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '-':
        appendChar(0x00AD);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '\t':
        appendChar(u'\t');
        break;
    case '\r':
    case '\n':
        if (s.destination == Destination::Text)
            endParagraph();
        break;
    default:
        break;
    }
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
            decoder_.decode(currentCodePage() == symbolCodePage ? 1252 : currentCodePage(), bytes,
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
    if (pendingCodePage_ == symbolCodePage) {
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
    ensurePosition(state().para.inTable);
    cursor_.insertText(pending_, charFormat(pendingState_));
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

QTextCharFormat DocumentBuilder::charFormat(const CharState& chr) const {
    QTextCharFormat format;
    const auto font = fonts_.find(chr.font >= 0 ? chr.font : defaultFont_);
    if (font != fonts_.end() && !font->second.name.isEmpty()) {
        format.setFontFamilies({font->second.name});
        if (font->second.hint != QFont::AnyStyle)
            format.setFontStyleHint(font->second.hint);
    }
    format.setFontPointSize(chr.halfPoints / 2.0);
    if (chr.bold)
        format.setFontWeight(QFont::Bold);
    if (chr.italic)
        format.setFontItalic(true);
    if (chr.underline)
        format.setFontUnderline(true);
    if (chr.strike)
        format.setFontStrikeOut(true);
    if (chr.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (chr.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (chr.vertical == VerticalPosition::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chr.vertical == VerticalPosition::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    const auto colour = [this](int index) -> std::optional<QColor> {
        if (index < 0 || index >= static_cast<int>(colours_.size()))
            return std::nullopt;
        return colours_[static_cast<std::size_t>(index)];
    };
    if (const auto foreground = colour(chr.foreground))
        format.setForeground(*foreground);
    if (const auto background = colour(chr.background))
        format.setBackground(*background);
    if (!chr.href.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(chr.href);
    }
    return format;
}

QTextBlockFormat DocumentBuilder::blockFormat() const {
    const ParaState& para = stack_.back().para;
    QTextBlockFormat format;
    switch (para.alignment) {
    case Alignment::Left:
        format.setAlignment(Qt::AlignLeft);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    format.setLeftMargin(std::max(0.0, pixels(para.leftIndent)));
    format.setRightMargin(std::max(0.0, pixels(para.rightIndent)));
    format.setTextIndent(pixels(para.firstIndent));
    format.setTopMargin(std::max(0.0, pixels(para.spaceBefore)));
    format.setBottomMargin(std::max(0.0, pixels(para.spaceAfter)));
    if (para.lineSpacing != 0) {
        if (para.lineSpacingMultiple && para.lineSpacing > 0)
            format.setLineHeight(std::clamp(para.lineSpacing * 100.0 / 240.0, 50.0, 500.0),
                                 QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(pixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(pixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    // RTF measures tab stops from the page margin, Qt from where the paragraph's first line starts.
    QList<QTextOption::Tab> tabs;
    if (para.tabs) {
        for (const TabStop& stop : *para.tabs) {
            if (stop.position < 0)
                continue;
            QTextOption::Tab tab;
            tab.position = pixels(stop.position - para.leftIndent - para.firstIndent);
            tab.type = stop.kind == TabStop::Right     ? QTextOption::RightTab
                       : stop.kind == TabStop::Center  ? QTextOption::CenterTab
                       : stop.kind == TabStop::Decimal ? QTextOption::DelimiterTab
                                                       : QTextOption::LeftTab;
            if (stop.kind == TabStop::Decimal)
                tab.delimiter = QLatin1Char('.');
            if (tab.position > 0)
                tabs.append(tab);
        }
    }
    // A hanging indent stops a tab at the indent itself, which is how list bullets line up their text.
    const double hanging = pixels(-para.firstIndent);
    if (para.firstIndent < 0 &&
        std::none_of(tabs.cbegin(), tabs.cend(),
                     [hanging](const QTextOption::Tab& tab) { return tab.position <= hanging; }))
        tabs.prepend(QTextOption::Tab(hanging, QTextOption::LeftTab));
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(),
                  [](const auto& a, const auto& b) { return a.position < b.position; });
        format.setTabPositions(tabs);
    }
    if (blockPageBreak_ || para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

void DocumentBuilder::ensurePosition(bool inTable) {
    if (inTable) {
        if (tables_.enterCell(row_)) {
            pendingBreak_ = false;
            startBlock();
        }
    } else if (tables_.isOpen()) {
        tables_.close();
        pendingBreak_ = false;
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
    ensurePosition(state().para.inTable);
    cursor_.setBlockFormat(blockFormat());
    if (!blockHasContent_)
        cursor_.setBlockCharFormat(charFormat(state().chr));
    pendingBreak_ = true;
}

void DocumentBuilder::endCell() {
    flushText();
    ensurePosition(true);
    cursor_.setBlockFormat(blockFormat());
    tables_.finishCell();
    pendingBreak_ = false;
}

void DocumentBuilder::endRow() {
    flushText();
    tables_.finishRow(row_, colours_);
    pendingBreak_ = false;
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
    if (blockHasContent_ && !pendingBreak_)
        cursor_.setBlockFormat(blockFormat());
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
    ensurePosition(state().para.inTable);
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
