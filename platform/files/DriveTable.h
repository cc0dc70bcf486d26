#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace platform {

// The drive letters D to Z and the folder each one stands for, or the disc image file (a letter whose path
// names an ordinary file stands for the disc in that image). A letter without a folder is a drive with
// nothing in it: no file exists there and every listing of it fails.
class DriveTable {
public:
    static constexpr char firstLetter = 'D';
    static constexpr char lastLetter = 'Z';

    // Sets or clears a letter; letters outside D..Z (either case) are ignored.
    void set(char letter, const QString& folder);
    void clear(char letter);
    // The folder of a letter (either case), or nothing for an empty, unknown or out-of-range letter.
    std::optional<QString> folderOf(char letter) const;
    int count() const;
    // The table with a disc image in D: and each of its own letters one further on (Z: drops off).
    DriveTable withImageFirst(const QString& imageFile) const;

    // "D=/media/cdrom;E=/mnt/iso": each entry names a letter D..Z and an absolute folder. Entries that
    // do not (no '=', another letter, a relative or empty folder) are skipped; a letter named twice
    // keeps its first folder.
    static DriveTable fromEnvironmentText(QStringView text);
    // /proc/self/mounts: CD and DVD file systems (iso9660, udf) and everything mounted below /media,
    // /run/media and /mnt get D, E, F, ... in the order of their mount points.
    static DriveTable fromMountsText(QStringView text);
    // The whole decision: a set VANTORADS_DRIVES value (even an empty one) is the table; otherwise the
    // mounts.
    static DriveTable fromSources(const std::optional<QString>& environmentValue, QStringView mountsText);

    friend bool operator==(const DriveTable&, const DriveTable&) = default;

private:
    static int indexOf(char letter);
    std::array<QString, lastLetter - firstLetter + 1> folders_;
};

// Undoes the octal escapes (\040 space, \011 tab, \012 newline, \134 backslash) of a mounts field.
QString decodeMountField(QStringView field);

} // namespace platform
