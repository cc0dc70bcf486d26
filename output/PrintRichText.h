#pragma once

#include "platform/desktop/Printer.h"

class QTextDocument;

namespace output {

// Margins measured from the paper's edges, in twips.
struct Margins {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Prints a whole document in one job, page after page, looking as it does on screen: the text runs inside
// the margins (the printable area's own offsets are taken off), each page takes as much as fits, explicit
// page breaks start a new page, and a new page is started only while text is left. Every line reaches the
// paper; a picture taller than the page prints cut, as an ad does. Margins that leave no room for a line
// of text end the job unprinted with a failure, rather than cutting or losing the text.
platform::PrintStatus PrintRichText(const QTextDocument& document, platform::Printer& printer,
                                    const Margins& margins);

} // namespace output
