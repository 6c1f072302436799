#include "core/messageids.h"
#include "updatefixture.h"

#include <QProcess>
#include <QSignalSpy>

// The demo's update server tool: what a newcomer sees through ./run.sh.
class TstFakeUpdateTool : public QObject
{
    Q_OBJECT
private:
    // Starts the tool; returns its port once it listens, 0 when it ended.
    static quint16 start(QProcess &tool, const QStringList &args)
    {
        tool.setProgram(TestEnv::toolPath(QStringLiteral("fake_update_server")));
        tool.setArguments(args);
        tool.start();
        QByteArray out;
        while (tool.waitForReadyRead(10000) || tool.bytesAvailable()) {
            out += tool.readAllStandardOutput();
            const int at = out.indexOf("READY 127.0.0.1:");
            const int end = out.indexOf('\n', at);
            if (at >= 0 && end > at)
                return quint16(out.mid(at + 16, end - at - 16).toUInt());
        }
        return 0;
    }

private slots:
    void offerDownloadAndCheck()
    {
        QProcess tool;
        const quint16 port = start(tool, {"--port", "0", "--chunk-ms", "1", "--version", "v1.0.40"});
        QVERIFY(port != 0);
        HttpFun client;
        client.setServerForTesting(QStringLiteral("127.0.0.1"), port);
        QSignalSpy spy(&client, &HttpFun::signal_sendHttpEvent);
        client.slot_sendHttpRequest(Cmd_getUpgradePackageInfo, QVariant(0));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.last().at(1).toList().value(0).toInt(), 0);
        QCOMPARE(SystemConfig::getInstance()->getUpdatePackageVerInfo(0), QStringLiteral("v1.0.40"));

        client.slot_sendHttpRequest(Cmd_DownloadOtaFile, QVariant(0));
        QTRY_VERIFY_WITH_TIMEOUT(spy.last().at(0).toInt() == Cmd_DownloadOtaFile, 20000);
        QCOMPARE(spy.last().at(1).toList().value(0).toInt(), 0);
        const QByteArray updater = TestEnv::readFile(HttpFun::downloadPath());
        QVERIFY(updater.startsWith("#!/bin/sh\n"));
        QCOMPARE(quint32(updater.size()), SystemConfig::getInstance()->getUpdatePackageFileSizeInfo(0));
        QVERIFY(spy.size() > 3); // progress on the way; the tool ends with its QProcess
    }

    void refusesAddressesOffThisMachine_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("LAN") << "192.168.1.10";
        QTest::newRow("any") << "0.0.0.0";
        QTest::newRow("not an address") << "example.org";
    }

    void refusesAddressesOffThisMachine()
    {
        QFETCH(QString, address);
        QProcess tool;
        QCOMPARE(start(tool, {"--address", address, "--port", "0"}), quint16(0));
        QVERIFY(tool.state() == QProcess::NotRunning || tool.waitForFinished(10000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardError().contains("refused"));
    }
};

VIREON_TEST_MAIN(TstFakeUpdateTool)
#include "tst_fakeupdatetool.moc"
