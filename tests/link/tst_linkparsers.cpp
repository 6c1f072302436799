// Frames, strict addresses, local address choice, the upload header and the
// file name filter: the parts that read untrusted bytes.

#include "link/linkaddress.h"
#include "link/netframe.h"
#include "link/uploadheader.h"
#include "support/testenv.h"

Q_DECLARE_METATYPE(NetCartInfo)

namespace {
using Adapters = QList<NetCartInfo>;
const NetCartInfo kEth{"3c-52-82-0a-bc-01", "192.168.3.20"};
const NetCartInfo kWifi{"3c-52-82-0a-bc-02", "192.168.5.9"};
const NetCartInfo kTunnel{"00-00-00-00-00-00", "10.8.0.2"}; // no hardware address
const NetCartInfo kLoopback{"00-00-00-00-00-00", "127.0.0.1"};
const NetCartInfo kWifi2{"3c-52-82-0a-bc-02", "192.168.6.9"}; // a second address of the same adapter

QByteArray fixedPart(qint64 total, qint64 nameSize)
{
    QByteArray out;
    QDataStream(&out, QIODevice::WriteOnly) << total << nameSize;
    return out;
}
} // namespace

class TestLinkParsers : public QObject
{
    Q_OBJECT
private slots:
    void frameLayoutAndRoundTrip()
    {
        // Local-address command for 127.0.0.1: sum = 0x50 + 0 + 4 + 127 + 0 + 0 + 1 = 0xD4.
        const QByteArray frame = NetFrame::build(0x50, QByteArray::fromHex("7f000001"));
        QCOMPARE(frame.toHex(' '), QByteArray("fa 50 00 04 7f 00 00 01 d4 fb"));

        // Payloads may hold head and tail bytes, up to the 512-byte limit.
        for (const QByteArray &payload :
             {QByteArray(), QByteArray::fromHex("fafbfbfa00ff"), QByteArray(512, char(0xFB))}) {
            NetFrame parsed;
            QVERIFY(NetFrame::parse(NetFrame::build(0x52, payload), &parsed));
            QCOMPARE(parsed.code, quint8(0x52));
            QCOMPARE(parsed.payload, payload);
        }
        QVERIFY(NetFrame::build(0x52, QByteArray(513, 'x')).isEmpty());
    }

    void frameRejects_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        const QByteArray good = NetFrame::build(0x52, QByteArrayLiteral("LORIX"));
        auto with = [&](int index, char value) { return good.left(index) + value + good.mid(index + 1); };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("too short") << QByteArray::fromHex("fa5200");
        QTest::newRow("bad head") << with(0, char(0xFB));
        QTest::newRow("bad tail") << with(good.size() - 1, char(0xFA));
        QTest::newRow("bad sum") << with(good.size() - 2, char(good.at(good.size() - 2) + 1));
        QTest::newRow("length says more") << with(3, 6);
        QTest::newRow("length says less") << with(3, 4);
        QTest::newRow("trailing byte") << good + char(0xFB);
        QTest::newRow("length over 512") << QByteArray::fromHex("fa520201") + QByteArray(513, 0) +
                                                QByteArray::fromHex("55fb");
    }

    void frameRejects()
    {
        QFETCH(QByteArray, datagram);
        NetFrame frame;
        frame.code = 0x77;
        QString why;
        QVERIFY(!NetFrame::parse(datagram, &frame, &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(frame.code, quint8(0x77)); // untouched on failure
    }

    void nameFromReply()
    {
        QCOMPARE(NetFrame::nameFromReply(QByteArray::fromHex("4c4fff5249ff58")), QByteArray("LORIX"));
        // Only the first 20 bytes count, 0xFF among them dropped.
        const QByteArray longName = QByteArray("ABCDEFGHIJ") + char(0xFF) + QByteArray("KLMNOPQRSTUVWXYZ");
        QCOMPARE(NetFrame::nameFromReply(longName), QByteArray("ABCDEFGHIJKLMNOPQRS"));
    }

    void strictAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<quint32>("value");
        QTest::newRow("plain") << "192.168.3.15" << true << 0xC0A8030Fu;
        QTest::newRow("zeros") << "0.0.0.0" << true << 0u;
        QTest::newRow("max") << "255.255.255.255" << true << 0xFFFFFFFFu;
        QTest::newRow("three parts") << "192.168.3" << false << 0u;
        QTest::newRow("five parts") << "1.2.3.4.5" << false << 0u;
        QTest::newRow("octet 256") << "1.2.3.256" << false << 0u;
        QTest::newRow("hex") << "0x7f.0.0.1" << false << 0u;
        QTest::newRow("sign") << "+1.2.3.4" << false << 0u;
        QTest::newRow("space") << " 1.2.3.4" << false << 0u;
        QTest::newRow("empty part") << "1..3.4" << false << 0u;
        QTest::newRow("number") << "3232236303" << false << 0u;
        QTest::newRow("ipv6") << "::1" << false << 0u;
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("1.2.3.\u0664") << false << 0u;
    }

    void strictAddresses()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(quint32, value);
        quint32 parsed = 12345;
        QCOMPARE(LinkAddress::parseIpv4(text, &parsed), ok);
        if (ok)
            QCOMPARE(parsed, value);
        QCOMPARE(LinkAddress::fromText(text).isNull(), !ok);
    }

    // The adapter list as the link reads it (injected here), with and without
    // the loopback guard, and the stored values of a fresh installation.
    void localAddressFromAdapterList_data()
    {
        QTest::addColumn<bool>("guard");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<Adapters>("adapters");
        QTest::addColumn<QString>("expected");
        const QString fresh = "0.0.0.0";
        const QString zero = "00-00-00-00-00-00";
        const auto add = [](const char *tag, bool guard, const QString &ip, const QString &mac,
                            const Adapters &adapters, const QString &expected) {
            QTest::newRow(tag) << guard << ip << mac << adapters << expected;
        };
        add("fresh install, loopback listed first", false, fresh, zero, {kLoopback, kEth}, kEth.ip);
        add("zero MAC does not pick an adapter without hardware address", false, fresh, zero, {kEth, kTunnel}, kEth.ip);
        add("zero MAC written with colons", false, fresh, "00:00:00:00:00:00", {kWifi, kTunnel}, kWifi.ip);
        add("stored MAC of the second adapter", false, fresh, kWifi.mac.toUpper(), {kEth, kWifi, kLoopback}, kWifi.ip);
        add("stored address still present", false, kWifi.ip, kEth.mac, {kEth, kWifi}, kWifi.ip);
        add("stored address gone: the last address of the stored MAC", false, "192.168.9.9", kWifi.mac.toUpper(),
            {kEth, kWifi, kWifi2, kLoopback}, kWifi2.ip);
        add("loosely written address is not an adapter's", false, "192.168.003.20", "ff-ff-ff-ff-ff-ff", {kWifi, kEth},
            kWifi.ip);
        add("no adapters at all", false, kEth.ip, kEth.mac, {}, QString());
        add("loopback left from a demo run", false, "127.0.0.1", zero, {kLoopback, kWifi}, kWifi.ip);
        add("only loopback, guard off: none", false, fresh, zero, {kLoopback}, QString());
        add("only loopback, guard on", true, fresh, zero, {kLoopback}, kLoopback.ip);
        add("guard on, stored loopback address", true, "127.0.0.1", zero, {kEth, kLoopback}, kLoopback.ip);
    }

    void localAddressFromAdapterList()
    {
        QFETCH(bool, guard);
        QFETCH(QString, ip);
        QFETCH(QString, mac);
        QFETCH(Adapters, adapters);
        QFETCH(QString, expected);
        const QByteArray before = qgetenv("VIREON_LOOPBACK_ONLY");
        // Only the list is computed here: nothing is sent or bound.
        qputenv("VIREON_LOOPBACK_ONLY", guard ? "1" : "0");
        Common::setAdapterSource([adapters] { return adapters; });
        const QString chosen = LinkAddress::chooseLocal(ip, mac, LinkAddress::currentAdapters());
        Common::setAdapterSource({});
        qputenv("VIREON_LOOPBACK_ONLY", before);
        QCOMPARE(chosen, expected);
    }

    void headerRoundTripAndPartialInput()
    {
        const QByteArray bytes = UploadHeader::encode(QStringLiteral("run-數據.db"), 1000);
        UploadHeader header;
        for (int n = 0; n < bytes.size(); ++n) {
            QCOMPARE(UploadHeader::parse(bytes.left(n), &header), UploadHeader::NeedMore);
            QVERIFY(UploadHeader::bytesWanted(bytes.left(n)) > 0);
        }
        QCOMPARE(UploadHeader::parse(bytes, &header), UploadHeader::Complete);
        QCOMPARE(header.name, QStringLiteral("run-數據.db"));
        QCOMPARE(UploadHeader::bytesWanted(bytes), qint64(0));
        QCOMPARE(header.nameSize, qint64(4 + 2 * 9));
        QCOMPARE(header.fileSize(), qint64(1000));
        QCOMPARE(header.total, qint64(16 + 4 + 18 + 1000));
        QCOMPARE(header.headerSize(), qint64(bytes.size()));
    }

    void headerRejectsHostileSizesEarly()
    {
        // The verdict comes from the first 16 bytes alone: nothing of the claimed
        // sizes is waited for or allocated.
        const qint64 big = qint64(1) << 62;
        const qint64 over2GiB = 16 + 14 + (qint64(2) << 30) + 1;
        // (total, name size) pairs, column by column
        const qint64 lowest = std::numeric_limits<qint64>::min(); // must not overflow the size check
        const QList<qint64> totals{
            big, 1038, 1038, -5, 16 + 14, 1038, 1038, over2GiB, std::numeric_limits<qint64>::max(), lowest};
        const QList<qint64> nameSizes{14, big, -1, 14, 14, 15, 2, 14, 14, 14};
        for (int i = 0; i < totals.size(); ++i) {
            QString why;
            UploadHeader header;
            QCOMPARE(UploadHeader::parse(fixedPart(totals[i], nameSizes[i]), &header, &why), UploadHeader::Invalid);
            QVERIFY2(!why.isEmpty(), qPrintable(QString::number(i)));
        }
        // Exactly 2 GiB of file is still accepted.
        QCOMPARE(UploadHeader::parse(fixedPart(16 + 14 + (qint64(2) << 30), 14), nullptr), UploadHeader::NeedMore);
    }

    void headerRejectsInconsistentName()
    {
        QByteArray bytes = UploadHeader::encode(QStringLiteral("abc.db"), 10);
        bytes[16 + 3] = 10; // the string's own length no longer matches nameSize (16)
        QString why;
        QCOMPARE(UploadHeader::parse(bytes, nullptr, &why), UploadHeader::Invalid);
        QVERIFY(why.contains("name length"));

        // A null string (length 0xFFFFFFFF) parses as an empty name, which the
        // name filter then refuses.
        QByteArray null = fixedPart(16 + 4 + 5, 4) + QByteArray::fromHex("ffffffff");
        UploadHeader header;
        QCOMPARE(UploadHeader::parse(null, &header), UploadHeader::Complete);
        QVERIFY(!UploadHeader::isSafeFileName(header.name));
    }

    // Names the receiver refuses end to end (parent, absolute, nested, empty,
    // "..", hidden, the updater) are left to its own test.
    void safeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "AppDatabase.db" << true;
        QTest::newRow("unicode") << QString::fromUtf8("報告 1.pdf") << true;
        QTest::newRow("255 bytes") << QString(255, 'a') << true;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("drive") << "C:x" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("nul") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("256 bytes") << QString(256, 'a') << false;
        QTest::newRow("multibyte over 255") << QString(86, QChar(0x6578)) << false; // 258 UTF-8 bytes
        QTest::newRow("updater upper") << "UPDATE.EXE" << false;
        // Windows drops a trailing dot or blank, so these would be the updater.
        QTest::newRow("updater trailing dot") << "update.exe." << false;
        QTest::newRow("updater trailing blank") << "update.exe " << false;
        QTest::newRow("settings") << "SystemConfig.ini" << false;
        QTest::newRow("translation") << "VNX03_en.qm" << false;
        QTest::newRow("database journal") << "AppDatabase.db-journal" << false;
        QTest::newRow("database backup") << "AppDatabase_backup.db" << false;
        QTest::newRow("older backup") << "appdatabase_backup.1.db" << false;
        QTest::newRow("other database") << "AppDatabase2.db" << true;
    }

    void safeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QString why;
        QCOMPARE(UploadHeader::isSafeFileName(name, &why), safe);
        QCOMPARE(why.isEmpty(), safe);
    }
};

VIREON_TEST_MAIN(TestLinkParsers)
#include "tst_linkparsers.moc"
