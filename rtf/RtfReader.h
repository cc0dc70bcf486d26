#pragma once

#include <QByteArray>
#include <QString>
#include <QTextDocument>

#include <memory>

namespace rtf {

// Why a document was refused as a whole. Damage inside a document never refuses it.
enum class RtfError {
    None,
    Missing,    // no file at that path
    Unreadable, // the file exists but could not be read
    NotRtf,     // no "{\rtf" within the first kilobyte of the data
};

struct RtfLoadResult {
    std::unique_ptr<QTextDocument> document; // set exactly when error is None
    RtfError error = RtfError::None;

    bool ok() const { return error == RtfError::None; }
};

// Lengths in the built document are pixels at 15 twips each, the ratio used throughout the program.
constexpr double TwipsPerPixel = 15.0;

RtfLoadResult readRtf(const QByteArray& data);
RtfLoadResult readRtfFile(const QString& path);

// A sentence for the user that names the failure, for messages and logs of callers.
QString describeRtfError(RtfError error);

} // namespace rtf
