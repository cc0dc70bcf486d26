#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace rtf {

// Lengths are clamped to 22 inches, the largest paper RTF writers offer, so that no sum of them overflows.
constexpr int MaxTwips = 31680;

enum class VerticalPosition { Normal, Super, Sub };

// Character formatting as the control words set it; indexes refer to the font and colour tables.
struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool caps = false;
    bool smallCaps = false;
    bool hidden = false;
    VerticalPosition vertical = VerticalPosition::Normal;
    int foreground = -1;
    int background = -1;
    QString href; // inside the result of a hyperlink field

    bool operator==(const CharState&) const = default;
};

enum class Alignment { Left, Right, Center, Justify };

struct TabStop {
    int position = 0; // twips
    enum Kind { Left, Right, Center, Decimal } kind = Left;
};

struct ParaState {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    bool inTable = false;
    int tableLevel = 0;
    bool pageBreakBefore = false;
    // Shared because groups copy the state far more often than tab stops change.
    std::shared_ptr<const std::vector<TabStop>> tabs;
};

enum class Destination {
    Text, // shown
    Skip, // read and dropped
    FontTable,
    ColorTable,
    Picture,
    FieldInstruction,
};

struct GroupState {
    CharState chr;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    bool starred = false;     // \* seen: an unknown destination that follows is dropped
    bool atGroupStart = true; // only the first word of a group can name a destination
};

} // namespace rtf
