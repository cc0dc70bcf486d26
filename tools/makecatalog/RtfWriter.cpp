#include "tools/makecatalog/RtfWriter.h"

namespace samplecatalog::rtf {

namespace {

// Windows-1252 places these characters in 0x80..0x9F, where Latin-1 has control codes.
struct Cp1252Extra {
    char32_t codePoint;
    int byte;
};

constexpr Cp1252Extra cp1252Extras[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x2026, 0x85}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93},
    {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x2122, 0x99},
};

QByteArray hexEscape(int byte) {
    return QByteArrayLiteral("\\'") + QByteArray::number(byte, 16).rightJustified(2, '0');
}

} // namespace

QByteArray escape(const QString& text) {
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\line ";
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c >= 0xA0 && c <= 0xFF) {
            out += hexEscape(static_cast<int>(c));
        } else {
            bool found = false;
            for (const Cp1252Extra& extra : cp1252Extras) {
                if (extra.codePoint == c) {
                    out += hexEscape(extra.byte);
                    found = true;
                }
            }
            if (!found && c > 0xFF && c <= 0xFFFF) {
                // \uN takes a signed 16-bit number; "?" is what older readers show instead.
                out += "\\u" + QByteArray::number(static_cast<qint16>(static_cast<quint16>(c))) + '?';
            } else if (!found) {
                out += '?';
            }
        }
    }
    return out;
}

QByteArray bold(const QString& text) {
    return "{\\b " + escape(text) + '}';
}

QByteArray italic(const QString& text) {
    return "{\\i " + escape(text) + '}';
}

Document::Document() {
    text = "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}\n"
           "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue160;\\red160\\green0\\blue0;}\n"
           "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n"
           "\\pard\\plain\\f0\\fs20\n";
}

void Document::heading(const QString& title) {
    text += "\\pard\\qc\\sb120\\sa240{\\b\\cf2\\fs32 " + escape(title) + "}\\par\n";
}

void Document::subheading(const QString& title) {
    text += "\\pard\\sb240\\sa120{\\b\\cf3\\fs24 " + escape(title) + "}\\par\n";
}

void Document::paragraph(std::initializer_list<QByteArray> runs) {
    text += "\\pard\\sa120 ";
    for (const QByteArray& run : runs)
        text += run;
    text += "\\par\n";
}

void Document::field(const QString& label, int underscores) {
    text += "\\pard\\sb120\\sa120 " + bold(label) + ' ' + QByteArray(underscores, '_') + "\\par\n";
}

void Document::tableRow(const QStringList& cells, const QList<int>& widths, bool header) {
    text += "\\trowd\\trgaph108\\trleft0";
    if (header)
        text += "\\trhdr";
    int right = 0;
    for (const int width : widths) {
        right += width;
        text += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                "\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                QByteArray::number(right);
    }
    text += "\n\\pard\\intbl ";
    for (const QString& cell : cells)
        text += (header ? bold(cell) : escape(cell)) + "\\cell ";
    text += "\\row\n";
}

void Document::pageBreak() {
    text += "\\pard\\page\n";
}

QByteArray Document::finish() {
    text += "\\pard\\par\n}\n";
    return text;
}

} // namespace samplecatalog::rtf
