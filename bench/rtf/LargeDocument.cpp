#include "LargeDocument.h"

namespace {

const char* const words[] = {"advertisement", "roadster", "chrome", "coupe",   "engine", "catalog",
                             "magazine",      "colour",   "sedan",  "station", "wagon",  "caf\\'e9",
                             "na\\'efve",     "dealer",   "price",  "model",   "year",   "\\u8364?uro"};
constexpr int wordCount = sizeof(words) / sizeof(words[0]);

QByteArray sentence(int seed, int length) {
    QByteArray text;
    for (int i = 0; i < length; ++i) {
        const int pick = (seed * 7 + i * 13) % wordCount;
        if (i % 11 == 3)
            text += "{\\b ";
        else if (i % 13 == 5)
            text += "{\\i ";
        else if (i % 17 == 7)
            text += "{\\ul\\cf2 ";
        text += words[pick];
        if (i % 11 == 3 || i % 13 == 5 || i % 17 == 7)
            text += "}";
        text += i + 1 < length ? " " : ". ";
    }
    return text;
}

QByteArray table(int section) {
    QByteArray rtf;
    for (int row = 0; row < 14; ++row) {
        rtf += "\\trowd\\trgaph108\\trleft-108";
        for (int column = 1; column <= 5; ++column) {
            rtf += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brd"
                   "rs\\brdrw10";
            if (row == 0)
                rtf += "\\clcbpat3";
            rtf += "\\cellx" + QByteArray::number(column * 1800);
        }
        rtf += "\\pard\\plain\\intbl\\f0\\fs20 ";
        for (int column = 0; column < 5; ++column) {
            if (row == 0)
                rtf += "{\\b Column " + QByteArray::number(column + 1) + "}";
            else
                rtf += QByteArray::number(1953 + (section + row) % 49) + " " +
                       words[(row + column) % wordCount] + " no. " + QByteArray::number(row * 5 + column);
            rtf += "\\cell ";
        }
        rtf += "\\row\n";
    }
    return rtf;
}

} // namespace

QByteArray largeDocument(int sections) {
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fnil\\fcharset2 Symbol;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue160;\\red220\\green220\\blue220;}\n"
        "{\\info{\\title Large checklist}}\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440"
        "\\margb1440\n";
    for (int section = 0; section < sections; ++section) {
        rtf += "\\pard\\plain\\sb240\\sa120\\keepn\\f1\\fs32\\b Section " + QByteArray::number(section + 1) +
               ": the ads of " + QByteArray::number(1953 + section % 49) + "\\par\n";
        for (int paragraph = 0; paragraph < 3; ++paragraph)
            rtf += "\\pard\\plain\\qj\\sa120\\f0\\fs24 " + sentence(section * 3 + paragraph, 60) + "\\par\n";
        for (int item = 0; item < 3; ++item)
            rtf += "{\\pntext\\f2\\'b7\\tab}\\pard\\plain\\fi-360\\li720\\f0\\fs24 " +
                   sentence(section + item, 12) + "\\par\n";
        rtf += table(section);
        rtf += "\\pard\\plain\\f0\\fs24 " + sentence(section * 5, 40) + "\\par\n";
    }
    rtf += "}";
    return rtf;
}
