#pragma once

#include <string_view>

namespace rtf {

// The control words the reader acts on; every other word is ignored. The reader hands each section to a
// function of its own by the range of its words: a word belongs between its section's first and last.
enum class Word {
    Unknown,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    // destinations
    FontTable,
    ColorTable,
    Picture,
    Field,
    FieldInstruction,
    FieldResult,
    SkippedDestination,
    KnownDestination,
    // fonts and colours
    FontCharset,
    FontCodePage,
    FontRoman,
    FontSwiss,
    FontModern,
    FontScript,
    FontDecor,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Superscript,
    Subscript,
    NoSuperSub,
    Up,
    Down,
    Foreground,
    Background,
    Caps,
    SmallCaps,
    Hidden,
    // paragraphs
    Par,
    Line,
    Tab,
    Pard,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineSpacingMultiple,
    TabPosition,
    TabRight,
    TabCenter,
    TabDecimal,
    InTable,
    TableLevel,
    PageBreakBefore,
    Page,
    Section,
    SectionDefault,
    SectionBreakNone,
    SectionBreakPage,
    // tables
    Cell,
    Row,
    NestedCell,
    NestedRow,
    RowDefaults,
    RowLeft,
    RowGap,
    RowAlignLeft,
    RowAlignCenter,
    RowAlignRight,
    CellRight,
    CellMergeFirst,
    CellMerge,
    CellVerticalMergeFirst,
    CellVerticalMerge,
    CellBackground,
    Border,
    // pictures
    PngBlip,
    JpegBlip,
    Metafile,
    OtherPicture,
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    Binary,
    // characters by name
    Unicode,
    Special,
};

struct WordInfo {
    Word word = Word::Unknown;
    char16_t character = 0; // for Word::Special
};

WordInfo lookUpWord(std::string_view name);

} // namespace rtf
