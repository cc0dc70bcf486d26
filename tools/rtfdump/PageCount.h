#pragma once

class QTextDocument;

namespace rtfdump {

// Lays the document out on A4 paper with one-inch margins, as it would print, and returns the number of
// pages. Changes the document's page size and root frame margin.
int pagesOnA4(QTextDocument& document);

} // namespace rtfdump
