#include "rtf/RtfPageCount.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <QTextFrame>

namespace rtf {

int pagesOnA4(QTextDocument& document) {
    constexpr double A4WidthTwips = 210.0 / 25.4 * 1440.0;
    constexpr double A4HeightTwips = 297.0 / 25.4 * 1440.0;
    constexpr double InchTwips = 1440.0;
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(InchTwips / TwipsPerPixel);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(QSizeF(A4WidthTwips / TwipsPerPixel, A4HeightTwips / TwipsPerPixel));
    return document.pageCount();
}

} // namespace rtf
