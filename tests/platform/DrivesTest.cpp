#include "platform/files/DriveTable.h"

#include <QTest>

using platform::DriveTable;

class DriveTableTest : public QObject {
    Q_OBJECT

private slots:
    void environmentText_data();
    void environmentText();
    void setEnvironmentValueIsTheWholeTable();
    void mounts_data();
    void mounts();
    void mountEscapesAreDecoded();
    void lettersRunOutAtZ();
};

namespace {

QString describe(const DriveTable& table) {
    QStringList parts;
    for (char letter = DriveTable::firstLetter; letter <= DriveTable::lastLetter; ++letter) {
        if (const auto folder = table.folderOf(letter))
            parts.append(QString(QChar(letter)) + u'=' + *folder);
    }
    return parts.join(u';');
}

} // namespace

void DriveTableTest::environmentText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("table");
    QTest::newRow("two drives") << "D=/media/cdrom;E=/mnt/iso"
                                << "D=/media/cdrom;E=/mnt/iso";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("spaces and empty entries") << " E = /mnt/iso ;; F=/a b "
                                              << "E=/mnt/iso;F=/a b";
    QTest::newRow("lower-case letter") << "g=/x"
                                       << "G=/x";
    QTest::newRow("letters A to C are no drives") << "A=/a;B=/b;C=/c;D=/d"
                                                  << "D=/d";
    QTest::newRow("no equals sign") << "D/media;E=/e"
                                    << "E=/e";
    QTest::newRow("relative folder") << "D=media/cd;E=/e"
                                     << "E=/e";
    QTest::newRow("empty folder") << "D=;E=/e"
                                  << "E=/e";
    QTest::newRow("two-letter name") << "DE=/x;F=/f"
                                     << "F=/f";
    QTest::newRow("digit") << "1=/x"
                           << "";
    QTest::newRow("first of a repeated letter") << "D=/first;D=/second"
                                                << "D=/first";
    QTest::newRow("folder with equals sign") << "D=/a=b"
                                             << "D=/a=b";
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("Ä=/x;Z=/z") << "Z=/z";
}

void DriveTableTest::environmentText() {
    QFETCH(QString, text);
    QFETCH(QString, table);
    QCOMPARE(describe(DriveTable::fromEnvironmentText(text)), table);
}

void DriveTableTest::setEnvironmentValueIsTheWholeTable() {
    const QString mounts = QStringLiteral("/dev/sr0 /media/cdrom iso9660 ro 0 0\n");
    QCOMPARE(describe(DriveTable::fromSources(QString(), mounts)), QString());
    QCOMPARE(describe(DriveTable::fromSources(QStringLiteral("F=/f"), mounts)), QStringLiteral("F=/f"));
    QCOMPARE(describe(DriveTable::fromSources(std::nullopt, mounts)), QStringLiteral("D=/media/cdrom"));
}

void DriveTableTest::mounts_data() {
    QTest::addColumn<QString>("mounts");
    QTest::addColumn<QString>("table");
    QTest::newRow("ordinary system") << "sysfs /sys sysfs rw 0 0\n"
                                        "/dev/sda2 / ext4 rw 0 0\n"
                                        "/dev/sda1 /boot/efi vfat rw 0 0\n"
                                        "tmpfs /run tmpfs rw 0 0\n"
                                     << "";
    QTest::newRow("cd anywhere") << "/dev/sr0 /srv/disc iso9660 ro 0 0\n/dev/sr1 /cdrom udf ro 0 0\n"
                                 << "D=/cdrom;E=/srv/disc";
    QTest::newRow("below media, run/media and mnt")
        << "/dev/sdb1 /run/media/u/STICK vfat rw 0 0\n"
           "/dev/sdc1 /mnt/backup ext4 rw 0 0\n"
           "/dev/sr0 /media/u/VANTORADS iso9660 ro 0 0\n"
           "server:/share /mnt/net nfs rw 0 0\n"
        << "D=/media/u/VANTORADS;E=/mnt/backup;F=/mnt/net;G=/run/media/u/STICK";
    QTest::newRow("the folders themselves are no drives")
        << "tmpfs /media tmpfs rw 0 0\n/dev/x /mnt ext4 rw 0 0\n"
        << "";
    QTest::newRow("names that only start alike") << "/dev/x /mntx ext4 rw 0 0\n/dev/y /media2/a ext4 rw 0 0\n"
                                                 << "";
    QTest::newRow("mounted twice") << "systemd-1 /mnt/data autofs rw 0 0\n/dev/sdd1 /mnt/data ext4 rw 0 0\n"
                                   << "D=/mnt/data";
    QTest::newRow("short and blank lines") << "\n/dev/x\n  \n/dev/sr0 /media/cd iso9660 ro 0 0"
                                           << "D=/media/cd";
}

void DriveTableTest::mounts() {
    QFETCH(QString, mounts);
    QFETCH(QString, table);
    QCOMPARE(describe(DriveTable::fromMountsText(mounts)), table);
}

void DriveTableTest::mountEscapesAreDecoded() {
    QCOMPARE(platform::decodeMountField(u"/media/u/My\\040Disc\\011x\\134y"),
             QStringLiteral("/media/u/My Disc\tx\\y"));
    QCOMPARE(platform::decodeMountField(u"/a\\09x\\04"), QStringLiteral("/a\\09x\\04"));
    const auto table = DriveTable::fromMountsText(u"/dev/sr0 /media/u/Vantor\\040Ads iso9660 ro 0 0\n");
    QCOMPARE(table.folderOf('D'), QStringLiteral("/media/u/Vantor Ads"));
}

void DriveTableTest::lettersRunOutAtZ() {
    QString mounts;
    for (int i = 0; i < 30; ++i)
        mounts += QStringLiteral("/dev/x /mnt/d%1 ext4 rw 0 0\n").arg(i, 2, 10, QChar(u'0'));
    const auto table = DriveTable::fromMountsText(mounts);
    QCOMPARE(table.count(), 23);
    QCOMPARE(table.folderOf('D'), QStringLiteral("/mnt/d00"));
    QCOMPARE(table.folderOf('Z'), QStringLiteral("/mnt/d22"));
    QCOMPARE(table.folderOf('C'), std::nullopt);
}

QTEST_GUILESS_MAIN(DriveTableTest)
#include "DrivesTest.moc"
