#pragma once

// A made-up catalog laid out like the real CD: "ads/" with the scanned ad pages, named the way the viewer
// looks them up, and "RichText/" with the three documents. Every picture and text is drawn here, and the
// result depends only on the code (and the fonts of the machine), so tests can rebuild it at will.

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

namespace samplecatalog {

struct AdPage {
    QString yearText;     // the two year characters of the file name: "53".."99", "00", "01", "ZX", "Re"
    QString categoryPart; // "kxpe", "pekx", "pepe" or "peto"
    int number = 0;       // the ad's number within its year, 0 to 100
    int width = 0;        // size of the page in pixels
    int height = 0;
};

// The fixed list of the sample's ads, ordered by category, then year, then number.
QList<AdPage> sampleAds();

// The file name inside "ads/", for example "63kxpe00.jpg" or "70kxpe100.jpg".
QString fileNameOf(const AdPage& ad);

// What a year button would read for this year text: "1963", "2001", "ZX", "Related".
QString yearCaptionOf(const AdPage& ad);

// The category's option caption: "Vantor", "w/KX", "w/Pellion" or "w/Tolvin".
QString categoryWordOf(const AdPage& ad);

// The lines printed on the page: year caption, category word, "No. 00" and the file name.
QString labelOf(const AdPage& ad);

// A colour of the ad's own, derived from its year, category and number.
QColor colourOf(const AdPage& ad);

// Draws one scan-like portrait (or landscape) page with the label in large type and writes it as a JPEG.
// The folder must exist. Needs a QGuiApplication for the fonts.
bool writeAdJpeg(const QString& path, int width, int height, const QString& label, QColor colour,
                 QString* error = nullptr);

// The three documents of "RichText/", as hand-written RTF 1.x in plain ASCII.
QByteArray checklistRtf();
QByteArray noticeRtf();
QByteArray registerRtf();

// Writes the whole sample into folder (created if needed): folder/ads/*.jpg and folder/RichText/*.rtf.
bool writeSampleCatalog(const QString& folder, QString* error = nullptr);

} // namespace samplecatalog
