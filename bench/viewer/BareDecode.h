#pragma once

#include <QString>

// The reference for the viewer's figures: reading a JPEG file and decoding it to 4 bytes a pixel with the
// TurboJPEG API, nothing else. Returns false when the file cannot be read or decoded.
bool bareDecode(const QString& path);
