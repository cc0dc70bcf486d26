#include "rtf/RtfPageCount.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <QTextFrame>

namespace rtf {

int pagesOnA4(QTextDocument& document) {
    constexpr double a4WidthTwips = 210.0 / 25.4 * 1440.0;
    constexpr double a4HeightTwips = 297.0 / 25.4 * 1440.0;
    constexpr double inchTwips = 1440.0;
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(inchTwips / twipsPerPixel);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(QSizeF(a4WidthTwips / twipsPerPixel, a4HeightTwips / twipsPerPixel));
    return document.pageCount();
}

} // namespace rtf
