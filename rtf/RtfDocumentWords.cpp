#include "rtf/RtfDocumentBuilder.h"

#include "rtf/RtfControlWords.h"

#include <algorithm>

namespace rtf {

namespace {

// A toggle word such as \b is on unless its parameter is 0.
bool on(bool hasParam, int param) {
    return !hasParam || param != 0;
}

// The enum keeps each section's words together, so a section is a range of it.
bool within(Word word, Word first, Word last) {
    return word >= first && word <= last;
}

} // namespace

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
    const Word word = info.word;
    if (word == Word::Unknown) {
        if (starred)
            s.destination = Destination::Skip;
        return;
    }
    if (within(word, Word::FontTable, Word::KnownDestination)) {
        destinationWord(word);
        return;
    }
    // The font and colour tables and the picture take their own words; the font table leaves the rest to
    // the text.
    const Parameter parameter{hasParam, param};
    switch (s.destination) {
    case Destination::FontTable:
        if (fontTableWord(word, parameter.value()))
            return;
        break;
    case Destination::ColorTable:
        colorTableWord(word, parameter.value());
        return;
    case Destination::Picture:
        pictureWord(word, parameter.value());
        return;
    default:
        break;
    }
    if (within(word, Word::Ansi, Word::UnicodeSkip))
        documentWord(word, parameter.value());
    else if (within(word, Word::Plain, Word::Hidden))
        characterWord(word, parameter);
    else if (within(word, Word::Par, Word::SectionBreakPage))
        paragraphWord(word, parameter);
    else if (within(word, Word::Cell, Word::Border))
        tableWord(word, parameter.value());
    else if (within(word, Word::Unicode, Word::Special))
        namedCharacter(info, parameter.value());
}

void DocumentBuilder::destinationWord(Word word) {
    GroupState& s = state();
    switch (word) {
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
    default:
        return;
    }
}

bool DocumentBuilder::fontTableWord(Word word, int value) {
    switch (word) {
    case Word::Font:
        commitFont();
        fontEntry_ = {};
        fontEntry_.id = value;
        return true;
    case Word::FontCharset:
        fontEntry_.codePage = value == 2 ? DocumentBuilder::SymbolCodePage : codePageForCharset(value);
        return true;
    case Word::FontCodePage:
        if (value > 0)
            fontEntry_.codePage = value;
        return true;
    case Word::FontRoman:
        fontEntry_.hint = QFont::Serif;
        return true;
    case Word::FontSwiss:
        fontEntry_.hint = QFont::SansSerif;
        return true;
    case Word::FontModern:
        fontEntry_.hint = QFont::TypeWriter;
        return true;
    case Word::FontScript:
        fontEntry_.hint = QFont::Cursive;
        return true;
    case Word::FontDecor:
        fontEntry_.hint = QFont::Decorative;
        return true;
    default:
        return false;
    }
}

void DocumentBuilder::colorTableWord(Word word, int value) {
    switch (word) {
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
}

void DocumentBuilder::pictureWord(Word word, int value) {
    switch (word) {
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
}

void DocumentBuilder::documentWord(Word word, int value) {
    GroupState& s = state();
    switch (word) {
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
    default:
        break;
    }
}

void DocumentBuilder::characterWord(Word word, Parameter parameter) {
    CharState& chr = state().chr;
    const bool hasParam = parameter.given;
    const int param = parameter.number;
    const int value = parameter.value();
    switch (word) {
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
    default:
        break;
    }
}

void DocumentBuilder::paragraphWord(Word word, Parameter parameter) {
    const bool text = state().destination == Destination::Text;
    ParaState& para = state().para;
    const bool hasParam = parameter.given;
    const int param = parameter.number;
    const int value = parameter.value();
    switch (word) {
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
        para.leftIndent = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::RightIndent:
        para.rightIndent = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::FirstIndent:
        para.firstIndent = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::SpaceBefore:
        para.spaceBefore = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::SpaceAfter:
        para.spaceAfter = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::LineSpacing:
        para.lineSpacing = std::clamp(value, -MaxTwips, MaxTwips);
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
        if (word == Word::TabRight)
            stop.kind = TabStop::Right;
        else if (word == Word::TabCenter)
            stop.kind = TabStop::Center;
        else if (word == Word::TabDecimal)
            stop.kind = TabStop::Decimal;
        else
            stop.position = std::clamp(value, 0, MaxTwips);
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
    default:
        break;
    }
}

void DocumentBuilder::tableWord(Word word, int value) {
    const bool text = state().destination == Destination::Text;
    switch (word) {
    // \cell and \row end the cells and rows of the outermost table, \nestcell and \nestrow those of the
    // table their paragraph is nested in.
    case Word::Cell:
        if (text)
            endCell(1);
        break;
    case Word::Row:
        if (text)
            endRow(1);
        break;
    case Word::NestedCell:
        if (text)
            endCell(std::max(2, tableLevel()));
        break;
    case Word::NestedRow:
        if (text)
            endRow(std::max(2, tableLevel()));
        break;
    case Word::RowDefaults:
        // A nested row is defined inside its table's paragraphs, in \nesttableprops.
        rowLevel_ = static_cast<std::size_t>(std::max(1, tableLevel()) - 1);
        rows_[rowLevel_] = RowDefinition{};
        cell_ = CellDefinition{};
        break;
    case Word::RowLeft:
        rows_[rowLevel_].left = std::clamp(value, -MaxTwips, MaxTwips);
        break;
    case Word::RowGap:
        rows_[rowLevel_].gap = std::clamp(value, 0, MaxTwips);
        break;
    case Word::RowAlignLeft:
        rows_[rowLevel_].alignment = Alignment::Left;
        break;
    case Word::RowAlignCenter:
        rows_[rowLevel_].alignment = Alignment::Center;
        break;
    case Word::RowAlignRight:
        rows_[rowLevel_].alignment = Alignment::Right;
        break;
    case Word::CellRight:
        cell_.right = std::clamp(value, -MaxTwips, 4 * MaxTwips);
        if (rows_[rowLevel_].cells.size() < 256)
            rows_[rowLevel_].cells.push_back(cell_);
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
        rows_[rowLevel_].borders = true;
        break;
    default:
        break;
    }
}

void DocumentBuilder::namedCharacter(const WordInfo& info, int value) {
    switch (info.word) {
    case Word::Unicode: {
        const int code = value < 0 ? value + 65536 : value;
        if (code > 0 && code <= 0xFFFF)
            appendChar(static_cast<char16_t>(code));
        skip_ = state().unicodeSkip;
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

} // namespace rtf
