#include "tools/rtfdump/PageCount.h"

#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <QTextFrame>

namespace rtfdump {

int pagesOnA4(QTextDocument& document) {
    constexpr double A4WidthTwips = 210.0 / 25.4 * 1440.0;
    constexpr double A4HeightTwips = 297.0 / 25.4 * 1440.0;
    constexpr double InchTwips = 1440.0;
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    root.setMargin(InchTwips / rtf::TwipsPerPixel);
    document.rootFrame()->setFrameFormat(root);
    document.setPageSize(QSizeF(A4WidthTwips / rtf::TwipsPerPixel, A4HeightTwips / rtf::TwipsPerPixel));
    return document.pageCount();
}

} // namespace rtfdump
