#include "core/systemconfig.h"
#include "support/testenv.h"

#include <atomic>

// Every check reads the file back with an independent QSettings: what counts
// is what is on disk, not what the store remembers.
class TestSystemConfig : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreWrittenBack()
    {
        auto *cfg = SystemConfig::getInstance();
        QCOMPARE((QVariantList{cfg->getISN(), TestEnv::iniValue("ISNConfig/ISN"), cfg->getFontSize(),
                               TestEnv::iniValue("System/font_size"), cfg->getLogoPost(), cfg->getHostName()}),
                 (QVariantList{"1234567890", "1234567890", 1, "1", 0, QString()}));
        QVERIFY(TestEnv::iniContains("PrintConfig/logo_post"));
        QVERIFY(!TestEnv::iniContains("NetConfig/host_name"));
    }

    void languageRangeRule_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("absent") << QString() << 1;
        QTest::newRow("too large") << "9" << 1;
        QTest::newRow("negative") << "-3" << 1;
        QTest::newRow("not a number") << "en" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("five") << "5" << 5;
    }

    void languageRangeRule()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        auto *cfg = SystemConfig::getInstance();
        // Written by another writer; the store's next sync picks it up.
        TestEnv::seedIni({{"SystemConfig/SystemLanguage", stored}});
        cfg->setHostName(cfg->getHostName());
        QCOMPARE(cfg->getSystemLanguage(), expected);
        QCOMPARE(TestEnv::iniValue("SystemConfig/SystemLanguage").toString(), QString::number(expected));
    }

    void setterRangeChecks()
    {
        auto *cfg = SystemConfig::getInstance();
        for (int language : {3, 6, -1})
            cfg->setSystemLanguage(language);
        for (int type : {1, 2})
            cfg->setTableViewOptType(type);
        cfg->setHostPort(0);
        cfg->setFontSize(7); // no range check: 7 stays 7
        QCOMPARE((QVariantList{TestEnv::iniValue("SystemConfig/SystemLanguage"),
                               TestEnv::iniValue("SystemConfig/TableViewOptType"), cfg->getTableViewOptType(),
                               cfg->getHostPort(), TestEnv::iniValue("NetConfig/HostPort"),
                               TestEnv::iniValue("System/font_size")}),
                 (QVariantList{"3", "1", 1, 45454, "45454", "7"}));

        TestEnv::seedIni({{"DateConfig/DateFormat", "6"}});
        cfg->setHostName(QString());       // sync
        QCOMPARE(cfg->getDateFormat(), 0); // and writes the default back
        QCOMPARE(TestEnv::iniValue("DateConfig/DateFormat").toInt(), 0);
    }

    void updatePackageInfo()
    {
        auto *cfg = SystemConfig::getInstance();
        QStringList values{"v1.0.40", "abc123", "vnx03", "pc", "/pkg/update.exe", "12x", "2026-01-01", "7"};
        cfg->setUpdatePackageInfo(0, values.mid(0, 7));
        cfg->setUpdatePackageInfo(1, values);
        QVERIFY(!TestEnv::iniContains("OtaInfo/version"));

        cfg->setUpdatePackageInfo(0, values);
        QCOMPARE(TestEnv::iniValue("OtaInfo/create_user_id").toString(), QStringLiteral("7"));
        QCOMPARE((QStringList{cfg->getUpdatePackageVerInfo(0), cfg->getUpdatePackageMd5Info(0),
                              cfg->getUpdatePackageProjectInfo(0), cfg->getUpdatePackagePropertyInfo(0)}),
                 values.mid(0, 4));
        QCOMPARE(cfg->getUpdatePackageVerInfo(1), QString());
        // The size must be a number that fits 32 bits.
        for (const auto &size : {qMakePair(QStringLiteral("12x"), 0u), qMakePair(QStringLiteral("4294967296"), 0u),
                                 qMakePair(QStringLiteral("4294967295"), 4294967295u)}) {
            values[5] = size.first;
            cfg->setUpdatePackageInfo(0, values);
            QCOMPARE(cfg->getUpdatePackageFileSizeInfo(0), size.second);
        }
    }

    void headerTextsSurviveRestart()
    {
        const QStringList texts{"台北市立動物醫院, 本院", "say \"hi\"", "k=v", "100% sure",
                                "   leading blanks",      "back\\slash"};
        auto *cfg = SystemConfig::getInstance();
        for (const QString &text : texts) {
            cfg->setHospitalName(text);
            cfg->setPetSymptom(text);
            // A fresh reader stands for the next start of the program.
            QSettings fresh(SystemConfig::configFilePath(), QSettings::IniFormat);
            fresh.setIniCodec("UTF-8");
            const QVariant stored = fresh.value("PrintConfig/HospitalName");
            QCOMPARE(stored.type(), QVariant::String);
            QCOMPARE(stored.toString(), text);
            QCOMPARE(cfg->getPetSymptom(), text);
        }
        // Raw UTF-8 on disk, not escaped code points.
        cfg->setHospitalName(texts.first());
        QFile file(SystemConfig::configFilePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(QStringLiteral("台北市立動物醫院").toUtf8()));
    }

    void concurrentAccess()
    {
        auto *cfg = SystemConfig::getInstance();
        std::atomic<bool> stop{false};
        auto hammer = [&](int seed) {
            int i = seed;
            while (!stop.load()) {
                cfg->setSystemLanguage(i % 6);
                cfg->getSystemLanguage();
                cfg->setHostName(QStringLiteral("instrument-%1").arg(i % 7));
                cfg->getHostPort();
                ++i;
            }
        };
        std::unique_ptr<QThread> a(QThread::create(hammer, 1)), b(QThread::create(hammer, 2));
        a->start();
        b->start();
        for (int i = 0; i < 200; ++i)
            cfg->setHospitalAddress(QStringLiteral("地址 %1, 樓").arg(i));
        stop = true;
        a->wait();
        b->wait();

        cfg->setSystemLanguage(4);
        cfg->setHostName(QStringLiteral("final"));
        QCOMPARE((QStringList{TestEnv::iniValue("SystemConfig/SystemLanguage").toString(),
                              TestEnv::iniValue("NetConfig/host_name").toString(),
                              TestEnv::iniValue("PrintConfig/HospitalAddress").toString()}),
                 (QStringList{"4", "final", "地址 199, 樓"}));
    }
};

VIREON_TEST_MAIN(TestSystemConfig)
#include "tst_systemconfig.moc"
