#pragma once

#include <QByteArray>

// A long document in the style of the catalog's checklist: headings, formatted paragraphs, bullet lists and
// tables, about one printed page per section.
QByteArray largeDocument(int sections);
