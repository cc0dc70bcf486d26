#include "rtf/RtfReader.h"

#include "rtf/RtfDocumentBuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace rtf {

namespace {

// Word processors read a document whose header follows a byte-order mark, blank lines or a few stray bytes;
// further in, the file is something else that happens to hold RTF.
constexpr qsizetype HeaderSearchLength = 1024;

} // namespace

RtfLoadResult readRtf(const QByteArray& data) {
    RtfLoadResult result;
    const qsizetype header =
        QByteArrayView(data).first(std::min(data.size(), HeaderSearchLength)).indexOf("{\\rtf");
    if (header < 0) {
        result.error = RtfError::NotRtf;
        return result;
    }
    result.document = std::make_unique<QTextDocument>();
    DocumentBuilder builder(*result.document);
    builder.build(
        std::string_view(data.constData() + header, static_cast<std::size_t>(data.size() - header)));
    return result;
}

RtfLoadResult readRtfFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        RtfLoadResult result;
        result.error = RtfError::Missing;
        return result;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        RtfLoadResult result;
        result.error = RtfError::Unreadable;
        return result;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        RtfLoadResult result;
        result.error = RtfError::Unreadable;
        return result;
    }
    return readRtf(data);
}

QString describeRtfError(RtfError error) {
    switch (error) {
    case RtfError::None:
        return {};
    case RtfError::Missing:
        return QCoreApplication::translate("rtf", "The document file does not exist.");
    case RtfError::Unreadable:
        return QCoreApplication::translate("rtf", "The document file could not be read.");
    case RtfError::NotRtf:
        return QCoreApplication::translate("rtf", "The file is not a rich-text document.");
    }
    return {};
}

} // namespace rtf
