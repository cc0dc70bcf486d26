#include "platform/files/DriveTable.h"

#include <QList>
#include <algorithm>

namespace platform {

int DriveTable::indexOf(char letter) {
    const char upper = (letter >= 'a' && letter <= 'z') ? char(letter - 'a' + 'A') : letter;
    if (upper < firstLetter || upper > lastLetter)
        return -1;
    return upper - firstLetter;
}

void DriveTable::set(char letter, const QString& folder) {
    const int index = indexOf(letter);
    if (index >= 0)
        folders_[std::size_t(index)] = folder;
}

void DriveTable::clear(char letter) {
    set(letter, QString());
}

std::optional<QString> DriveTable::folderOf(char letter) const {
    const int index = indexOf(letter);
    if (index < 0 || folders_[std::size_t(index)].isEmpty())
        return std::nullopt;
    return folders_[std::size_t(index)];
}

int DriveTable::count() const {
    return int(
        std::count_if(folders_.begin(), folders_.end(), [](const QString& f) { return !f.isEmpty(); }));
}

DriveTable DriveTable::withImageFirst(const QString& imageFile) const {
    DriveTable table;
    table.set(firstLetter, imageFile);
    std::copy(folders_.begin(), folders_.end() - 1, table.folders_.begin() + 1);
    return table;
}

DriveTable DriveTable::fromEnvironmentText(QStringView text) {
    DriveTable table;
    for (QStringView entry : text.split(u';')) {
        entry = entry.trimmed();
        const qsizetype equals = entry.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView letterText = entry.first(equals).trimmed();
        const QString folder = entry.sliced(equals + 1).trimmed().toString();
        if (letterText.size() != 1 || letterText.front().unicode() > 0x7f || !folder.startsWith(u'/'))
            continue;
        const char letter = char(letterText.front().unicode());
        if (indexOf(letter) < 0 || table.folderOf(letter))
            continue;
        table.set(letter, folder);
    }
    return table;
}

QString decodeMountField(QStringView field) {
    QString decoded;
    decoded.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == u'\\' && i + 3 < field.size()) {
            const QStringView digits = field.sliced(i + 1, 3);
            const bool octal =
                std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'7'; });
            if (octal) {
                decoded += QChar(digits.toString().toUShort(nullptr, 8));
                i += 3;
                continue;
            }
        }
        decoded += field[i];
    }
    return decoded;
}

namespace {

bool isBelow(const QString& path, QLatin1String folder) {
    return path.size() > folder.size() + 1 && path.startsWith(folder) && path[folder.size()] == u'/';
}

bool isRemovableMount(const QString& mountPoint, QStringView type) {
    if (type == u"iso9660" || type == u"udf")
        return true;
    return isBelow(mountPoint, QLatin1String("/media")) || isBelow(mountPoint, QLatin1String("/run/media")) ||
           isBelow(mountPoint, QLatin1String("/mnt"));
}

} // namespace

DriveTable DriveTable::fromMountsText(QStringView text) {
    QList<QString> mountPoints;
    for (QStringView line : text.split(u'\n')) {
        const QList<QStringView> fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        const QString mountPoint = decodeMountField(fields[1]);
        if (mountPoint.startsWith(u'/') && isRemovableMount(mountPoint, fields[2]))
            mountPoints.append(mountPoint);
    }
    std::sort(mountPoints.begin(), mountPoints.end());
    mountPoints.erase(std::unique(mountPoints.begin(), mountPoints.end()), mountPoints.end());

    DriveTable table;
    char letter = firstLetter;
    for (const QString& mountPoint : mountPoints) {
        if (letter > lastLetter)
            break;
        table.set(letter++, mountPoint);
    }
    return table;
}

DriveTable DriveTable::fromSources(const std::optional<QString>& environmentValue, QStringView mountsText) {
    if (environmentValue)
        return fromEnvironmentText(*environmentValue);
    return fromMountsText(mountsText);
}

} // namespace platform
