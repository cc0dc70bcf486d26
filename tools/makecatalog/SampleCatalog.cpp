#include "tools/makecatalog/SampleCatalog.h"

#include <QDir>
#include <QSaveFile>

namespace samplecatalog {

namespace {

bool writeFile(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QStringLiteral("Cannot create the folder %1").arg(path);
    return false;
}

} // namespace

bool writeSampleCatalog(const QString& folder, QString* error) {
    const QDir root(folder);
    const QString adsFolder = root.filePath(QStringLiteral("ads"));
    const QString documentsFolder = root.filePath(QStringLiteral("RichText"));
    if (!makeFolder(adsFolder, error) || !makeFolder(documentsFolder, error))
        return false;

    const QDir ads(adsFolder);
    for (const AdPage& ad : sampleAds()) {
        if (!writeAdJpeg(ads.filePath(fileNameOf(ad)), ad.width, ad.height, labelOf(ad), colourOf(ad), error))
            return false;
    }

    const QDir documents(documentsFolder);
    return writeFile(documents.filePath(QStringLiteral("VantorAds.rtf")), checklistRtf(), error) &&
           writeFile(documents.filePath(QStringLiteral("notice.rtf")), noticeRtf(), error) &&
           writeFile(documents.filePath(QStringLiteral("Register.rtf")), registerRtf(), error);
}

} // namespace samplecatalog
