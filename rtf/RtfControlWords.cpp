#include "rtf/RtfControlWords.h"

#include <unordered_map>

namespace rtf {

namespace {

const std::unordered_map<std::string_view, WordInfo>& wordTable() {
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t;
        const auto add = [&t](std::string_view name, Word word) { t[name] = {word, 0}; };
        const auto special = [&t](std::string_view name, char16_t c) { t[name] = {Word::Special, c}; };
        add("ansi", Word::Ansi);
        add("mac", Word::Mac);
        add("pc", Word::Pc);
        add("pca", Word::Pca);
        add("ansicpg", Word::AnsiCodePage);
        add("deff", Word::DefaultFont);
        add("uc", Word::UnicodeSkip);

        add("fonttbl", Word::FontTable);
        add("colortbl", Word::ColorTable);
        add("pict", Word::Picture);
        add("field", Word::Field);
        add("fldinst", Word::FieldInstruction);
        add("fldrslt", Word::FieldResult);
        // Marked with \* yet holding what a reader should show: the picture of a shape, the definition of a
        // nested table's row.
        add("shppict", Word::KnownDestination);
        add("nesttableprops", Word::KnownDestination);
        // Destinations whose content a reader shows nowhere in the running text.
        for (std::string_view name : {"info",
                                      "stylesheet",
                                      "header",
                                      "headerl",
                                      "headerr",
                                      "headerf",
                                      "footer",
                                      "footerl",
                                      "footerr",
                                      "footerf",
                                      "footnote",
                                      "pn",
                                      "listtable",
                                      "listoverridetable",
                                      "revtbl",
                                      "rsidtbl",
                                      "generator",
                                      "themedata",
                                      "colorschememapping",
                                      "datastore",
                                      "xmlnstbl",
                                      "latentstyles",
                                      "filetbl",
                                      "pgdsctbl",
                                      "xe",
                                      "tc",
                                      "annotation",
                                      "atnid",
                                      "atnauthor",
                                      "userprops",
                                      "shpinst",
                                      "sp",
                                      "objdata",
                                      "bkmkstart",
                                      "bkmkend",
                                      "pntxta",
                                      "pntxtb",
                                      "template",
                                      "docvar",
                                      "listpicture",
                                      "mhtmltag",
                                      "htmltag",
                                      "ftnsep",
                                      "ftnsepc",
                                      "aftnsep",
                                      "aftnsepc",
                                      "private",
                                      "do",
                                      "fchars",
                                      "lchars",
                                      "protusertbl",
                                      "nonshppict",
                                      "nonesttables", // what readers without nested tables show instead
                                      "comment",
                                      "title",
                                      "subject",
                                      "author",
                                      "operator",
                                      "keywords",
                                      "doccomm",
                                      "company",
                                      "ud",
                                      "blipuid",
                                      "panose",
                                      "falt",
                                      "fname",
                                      "picprop",
                                      "shptxt",
                                      "wgrffmtfilter",
                                      "pgptbl",
                                      "mmathPr"})
            add(name, Word::SkippedDestination);

        add("fcharset", Word::FontCharset);
        add("cpg", Word::FontCodePage);
        add("froman", Word::FontRoman);
        add("fswiss", Word::FontSwiss);
        add("fmodern", Word::FontModern);
        add("fscript", Word::FontScript);
        add("fdecor", Word::FontDecor);
        add("red", Word::Red);
        add("green", Word::Green);
        add("blue", Word::Blue);

        add("plain", Word::Plain);
        add("f", Word::Font);
        add("fs", Word::FontSize);
        add("b", Word::Bold);
        add("i", Word::Italic);
        for (std::string_view name :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
              "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            add(name, Word::Underline);
        add("ulnone", Word::UnderlineNone);
        add("strike", Word::Strike);
        add("striked", Word::Strike);
        add("super", Word::Superscript);
        add("sub", Word::Subscript);
        add("nosupersub", Word::NoSuperSub);
        add("up", Word::Up);
        add("dn", Word::Down);
        add("cf", Word::Foreground);
        add("cb", Word::Background);
        add("highlight", Word::Background);
        add("chcbpat", Word::Background);
        add("caps", Word::Caps);
        add("scaps", Word::SmallCaps);
        add("v", Word::Hidden);
        add("deleted", Word::Hidden);

        add("par", Word::Par);
        add("line", Word::Line);
        add("tab", Word::Tab);
        add("pard", Word::Pard);
        add("ql", Word::AlignLeft);
        add("qr", Word::AlignRight);
        add("qc", Word::AlignCenter);
        add("qj", Word::AlignJustify);
        add("qd", Word::AlignJustify);
        add("li", Word::LeftIndent);
        add("lin", Word::LeftIndent);
        add("ri", Word::RightIndent);
        add("rin", Word::RightIndent);
        add("fi", Word::FirstIndent);
        add("sb", Word::SpaceBefore);
        add("sa", Word::SpaceAfter);
        add("sl", Word::LineSpacing);
        add("slmult", Word::LineSpacingMultiple);
        add("tx", Word::TabPosition);
        add("tqr", Word::TabRight);
        add("tqc", Word::TabCenter);
        add("tqdec", Word::TabDecimal);
        add("intbl", Word::InTable);
        add("itap", Word::TableLevel);
        add("pagebb", Word::PageBreakBefore);
        add("page", Word::Page);
        add("sect", Word::Section);
        add("sectd", Word::SectionDefault);
        add("sbknone", Word::SectionBreakNone);
        add("sbkcol", Word::SectionBreakNone);
        add("sbkpage", Word::SectionBreakPage);
        add("sbkeven", Word::SectionBreakPage);
        add("sbkodd", Word::SectionBreakPage);

        add("cell", Word::Cell);
        add("row", Word::Row);
        add("nestcell", Word::NestedCell);
        add("nestrow", Word::NestedRow);
        add("trowd", Word::RowDefaults);
        add("trleft", Word::RowLeft);
        add("trgaph", Word::RowGap);
        add("trql", Word::RowAlignLeft);
        add("trqc", Word::RowAlignCenter);
        add("trqr", Word::RowAlignRight);
        add("cellx", Word::CellRight);
        add("clmgf", Word::CellMergeFirst);
        add("clmrg", Word::CellMerge);
        add("clvmgf", Word::CellVerticalMergeFirst);
        add("clvmrg", Word::CellVerticalMerge);
        add("clcbpat", Word::CellBackground);
        for (std::string_view name : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr", "trbrdrt", "trbrdrl",
                                      "trbrdrb", "trbrdrr", "trbrdrh", "trbrdrv"})
            add(name, Word::Border);

        add("pngblip", Word::PngBlip);
        add("jpegblip", Word::JpegBlip);
        for (std::string_view name : {"wmetafile", "emfblip", "pmmetafile", "macpict"})
            add(name, Word::Metafile);
        for (std::string_view name : {"dibitmap", "wbitmap"})
            add(name, Word::OtherPicture);
        add("picw", Word::PictureWidth);
        add("pich", Word::PictureHeight);
        add("picwgoal", Word::PictureGoalWidth);
        add("pichgoal", Word::PictureGoalHeight);
        add("picscalex", Word::PictureScaleX);
        add("picscaley", Word::PictureScaleY);
        add("bin", Word::Binary);

        add("u", Word::Unicode);
        special("emdash", 0x2014);
        special("endash", 0x2013);
        special("emspace", 0x2003);
        special("enspace", 0x2002);
        special("qmspace", 0x2005);
        special("bullet", 0x2022);
        special("lquote", 0x2018);
        special("rquote", 0x2019);
        special("ldblquote", 0x201C);
        special("rdblquote", 0x201D);
        special("zwj", 0x200D);
        special("zwnj", 0x200C);
        special("zwbo", 0x200B);
        special("zwnbo", 0x2060);
        return t;
    }();
    return table;
}

} // namespace

WordInfo lookUpWord(std::string_view name) {
    const auto& table = wordTable();
    const auto found = table.find(name);
    return found == table.end() ? WordInfo{} : found->second;
}

} // namespace rtf
