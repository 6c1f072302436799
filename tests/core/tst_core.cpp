#include "app/appstartup.h"
#include "core/common.h"
#include "core/debuglog.h"
#include "core/lograte.h"
#include "core/systemconfig.h"
#include "shell/appearance.h"
#include "support/testenv.h"

#include <QElapsedTimer>
#include <QHostAddress>

#include <algorithm>
#include <atomic>

namespace {
const QStringList kSuffixes{QStringLiteral("zh"),    QStringLiteral("en"),  QStringLiteral("sp"),
                            QStringLiteral("zh_jt"), QStringLiteral("por"), QStringLiteral("jp")};

struct Message {
    QString translation;
    bool unfinished = false;
};

// context + '\x1f' + source -> message, read from one translation source.
// A plural message counts as unfinished when any of its forms is empty.
QMap<QString, Message> readTs(const QString &path, QString *error)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const Message message{xml.readElementText(QXmlStreamReader::IncludeChildElements),
                                  type == QLatin1String("unfinished")};
            if (type != QLatin1String("obsolete") && type != QLatin1String("vanished"))
                messages.insert(context + QChar(0x1f) + source, message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void itemNames()
    {
        auto *common = Common::getInstance();
        const QList<int> codes = Common::itemCodes();
        QVERIFY(codes.contains(PANEL_CANINE_PARVOVIRUS));
        QSet<QString> names;
        for (int code : codes)
            names.insert(common->getItemName(code));
        QCOMPARE(QSet<int>(codes.begin(), codes.end()).size(), codes.size()); // each code once
        QCOMPARE(names.size(), codes.size());                                 // each name once
        QVERIFY(!names.contains(QString()));
        for (int code : {0, -1, 9999})
            QCOMPARE(common->getItemName(code), QString());
        QCOMPARE(common->getItemName(PANEL_CANINE_PARVOVIRUS), QStringLiteral("犬細小病毒"));

        // Every name is translated in the English file the build staged.
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("./app/lan/VNX03_en.qm")));
        QCoreApplication::installTranslator(&translator); // removed again by its destructor
        QCOMPARE(common->getItemName(PANEL_CANINE_PARVOVIRUS), QStringLiteral("Canine parvovirus"));
        for (int code : codes)
            QVERIFY2(common->getItemName(code).at(0).unicode() < 0x2E80, qPrintable(common->getItemName(code)));
    }

    // Whatever language is in force, the language list names each language
    // in its own: a user who lands in one they cannot read finds their own.
    // Texts that name different things stay different words.
    void languageListAndDistinctTexts_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < kSuffixes.size(); ++language)
            QTest::newRow(qPrintable(kSuffixes.at(language))) << language;
    }
    void languageListAndDistinctTexts()
    {
        QFETCH(int, language);
        QTranslator translator;
        QVERIFY(translator.load(Appearance::translationFile(language)));
        QCoreApplication::installTranslator(&translator); // removed again by its destructor
        const QStringList names{"繁體中文", "English", "Español", "简体中文", "Português", "日本語"};
        for (int i = -1; i <= names.size(); ++i) // none out of range
            QCOMPARE(Common::getInstance()->getLanguageName(i), names.value(i));
        // The data fetch of the history page and the software download.
        QVERIFY(QCoreApplication::translate("HistoryData", "更新數據") !=
                QCoreApplication::translate("CheckUpdateWidget", "下載升級包"));
        // The test date and the report date on the report.
        QVERIFY(QCoreApplication::translate("DrawPrintTemplate", "檢測時間：") !=
                QCoreApplication::translate("DrawPrintTemplate", "報告日期："));
    }

    void adapterList()
    {
        Common::setAdapterSource([] {
            return QList<NetCartInfo>{{"3c-52-82-0a-bc-01", "192.0.2.10"},
                                      {"3c-52-82-0a-bc-01", "0.0.0.0"},
                                      {"3c-52-82-0a-bc-01", "198.51.100.7"},
                                      {"00-00-00-00-00-00", "127.0.0.1"}};
        });
        QList<NetCartInfo *> list{new NetCartInfo{"stale", "203.0.113.1"}};
        // A second call frees and replaces the items.
        for (int call = 0; call < 2; ++call) {
            Common::getInstance()->get_local_net_cart_infos(&list);
            QStringList got;
            for (const NetCartInfo *info : list)
                got << info->ip << info->mac;
            QCOMPARE(got, (QStringList{"192.0.2.10", "3c-52-82-0a-bc-01", "198.51.100.7", "3c-52-82-0a-bc-01",
                                       "127.0.0.1", "00-00-00-00-00-00"}));
        }
        Common::setAdapterSource({});
        Common::getInstance()->get_local_net_cart_infos(nullptr); // must not crash

        // The system's own list (loopback included in loopback-only runs):
        // well-formed, loopback last, where a default pick never lands on it
        // while another adapter is up.
        Common::getInstance()->get_local_net_cart_infos(&list);
        QVERIFY(!list.isEmpty());
        const QRegularExpression macFormat(QStringLiteral("^([0-9a-f]{2}-){5}[0-9a-f]{2}$"));
        for (const NetCartInfo *info : list) {
            QVERIFY2(macFormat.match(info->mac).hasMatch(), qPrintable(info->mac));
            QVERIFY(info->ip != QLatin1String("0.0.0.0"));
            QVERIFY(!QHostAddress(info->ip).isNull());
        }
        QCOMPARE(list.last()->ip, QStringLiteral("127.0.0.1"));
        QCOMPARE(list.last()->mac, QStringLiteral("00-00-00-00-00-00"));
        qDeleteAll(list);
    }

    // The wait lasts its time, and events queued meanwhile are handled
    // during it, not after it.
    void delayProcessesEvents()
    {
        bool handled = false;
        QMetaObject::invokeMethod(
            qApp, [&handled] { handled = true; }, Qt::QueuedConnection);
        QElapsedTimer clock;
        clock.start();
        Common::getInstance()->delayMs(40);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 40, qPrintable(QString::number(waited)));
        QVERIFY(handled);
    }

    void debugLogFileAndCleanup()
    {
        const QDateTime when(QDate(2026, 3, 1), QTime(9, 5, 7));
        QCOMPARE(DebugLog::formatLine(QtInfoMsg, when, "x"), "[2026-03-01 09:05:07 Sun] Debug: x");
        QCOMPARE(DebugLog::formatLine(QtFatalMsg, when, "x"), "[2026-03-01 09:05:07 Sun] Fatal: x");
        QCOMPARE(DebugLog::filePathFor(QDate(2026, 12, 6)), QStringLiteral("./app/debugLog/DebugLog_20261206.txt"));

        QDir("./app/debugLog").removeRecursively();
        const QtMessageHandler previous = qInstallMessageHandler(&DebugLog::messageHandler);
        qDebug() << "probe line" << 42;
        qWarning("温馨 warning");
        std::unique_ptr<QThread> worker(QThread::create([] { qCritical("from another thread"); }));
        worker->start();
        worker->wait();
        qInstallMessageHandler(previous);

        const QStringList lines = QString::fromUtf8(TestEnv::readFile(DebugLog::filePathFor(QDate::currentDate())))
                                      .split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        const QStringList ends{"] Debug: probe line 42", "] Warning: 温馨 warning", "] Critical: from another thread"};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(lines[i].endsWith(ends[i]), qPrintable(lines[i]));
        QVERIFY(
            QRegularExpression("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\w{3}\\] ").match(lines[0]).hasMatch());

        const QDate today(2026, 12, 6);
        for (int age : {0, 29, 30, 31, 400})
            QVERIFY(TestEnv::writeFile(DebugLog::filePathFor(today.addDays(-age)), {}));
        QVERIFY(TestEnv::writeFile("./app/debugLog/notes.txt", {}));
        QCOMPARE(DebugLog::getInstance()->removeOldFiles(30, today), 2);
        QVERIFY(QFile::exists(DebugLog::filePathFor(today.addDays(-30))));
        QVERIFY(!QFile::exists(DebugLog::filePathFor(today.addDays(-31))));
        QVERIFY(QFile::exists("./app/debugLog/notes.txt"));
    }

    // Floods of like lines at steady rates over a simulated day: the burst of
    // each minute is written, the rest comes back as counts, one summary line
    // a minute at most, and nothing is lost from the count.
    void rateLimitedLogOverADay_data()
    {
        QTest::addColumn<qint64>("intervalMs");
        QTest::addColumn<qint64>("written");
        QTest::newRow("100 a second") << qint64(10) << qint64(1440 * LogRateLimiter::kBurst);
        QTest::newRow("one every 10 s") << qint64(10000) << qint64(1440 * 6);
    }

    void rateLimitedLogOverADay()
    {
        QFETCH(qint64, intervalMs);
        QFETCH(qint64, written);
        LogRateLimiter limiter(QStringLiteral("test lines"));
        const qint64 day = 24 * 3600 * 1000;
        qint64 lines = 0, summaries = 0, counted = 0;
        for (qint64 now = 0; now < day; now += intervalMs) {
            const LogRateLimiter::Verdict verdict = limiter.admit(now);
            lines += verdict.write ? 1 : 0;
            summaries += verdict.suppressed > 0 ? 1 : 0;
            counted += verdict.suppressed;
        }
        const qint64 events = day / intervalMs;
        QCOMPARE(lines, written);
        QVERIFY2(summaries <= 1440, qPrintable(QString::number(summaries)));
        // The last minute's count waits for the next line.
        QVERIFY2(lines + counted <= events, qPrintable(QString::number(lines + counted)));
        QVERIFY2(lines + counted >= events - LogRateLimiter::kWindowMs / intervalMs,
                 qPrintable(QString::number(lines + counted)));
    }

    // Every settings check reads the file back with an independent QSettings: what counts
    // is what is on disk, not what the store remembers.
    void defaultsAreWrittenBack()
    {
        auto *cfg = SystemConfig::getInstance();
        QCOMPARE(cfg->getISN(), QString("1234567890"));
        QCOMPARE(TestEnv::iniValue("ISNConfig/ISN").toString(), QString("1234567890"));
        QCOMPARE(cfg->getFontSize(), 1);
        QCOMPARE(TestEnv::iniValue("System/font_size").toString(), QString("1"));
        QCOMPARE(cfg->getLogoPost(), 0);
        QCOMPARE(cfg->getHostName(), QString());
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
        QCOMPARE(TestEnv::iniValue("SystemConfig/SystemLanguage").toString(), QString("3"));
        QCOMPARE(TestEnv::iniValue("SystemConfig/TableViewOptType").toString(), QString("1"));
        QCOMPARE(cfg->getHostPort(), quint16(45454));
        QCOMPARE(TestEnv::iniValue("NetConfig/HostPort").toString(), QString("45454"));

        TestEnv::seedIni({{"DateConfig/DateFormat", "6"}});
        cfg->setHostName(QString());       // sync
        QCOMPARE(cfg->getDateFormat(), 0); // and writes the default back
        QCOMPARE(TestEnv::iniValue("DateConfig/DateFormat").toInt(), 0);
        // The format table's way out of range: the default, not a neighbour's entry.
        for (int i : {-1, 6})
            QCOMPARE(Common::getInstance()->getDateFormatString(i), QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(Common::getInstance()->getDateFormatString(5), QStringLiteral("dd/MM/yyyy"));
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
        QCOMPARE(cfg->getUpdatePackageVerInfo(1), QString());
        // The size must be a number that fits 32 bits.
        for (const auto &size : {qMakePair(QStringLiteral("12x"), 0u), qMakePair(QStringLiteral("4294967296"), 0u),
                                 qMakePair(QStringLiteral("4294967295"), 4294967295u)}) {
            values[5] = size.first;
            cfg->setUpdatePackageInfo(0, values);
            QCOMPARE(cfg->getUpdatePackageFileSizeInfo(0), size.second);
        }
    }

    // Raw UTF-8 on disk, not escaped code points.
    void headerTextsStayRawUtf8OnDisk()
    {
        SystemConfig::getInstance()->setHospitalName(QStringLiteral("台北市立動物醫院, 本院"));
        QVERIFY(
            TestEnv::readFile(SystemConfig::configFilePath()).contains(QStringLiteral("台北市立動物醫院").toUtf8()));
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
        QCOMPARE(TestEnv::iniValue("SystemConfig/SystemLanguage").toString(), QString("4"));
        QCOMPARE(TestEnv::iniValue("NetConfig/host_name").toString(), QString("final"));
        QCOMPARE(TestEnv::iniValue("PrintConfig/HospitalAddress").toString(), QString("地址 199, 樓"));
    }

    // Every text on screen is finished in all six languages, the six sources
    // agree on what there is to translate, and the build stages, for each
    // language, the file its source makes. A few sources are written in
    // simplified Chinese; the traditional Chinese file must not pass them
    // through unchanged (the characters: the simplified ones the sources use,
    // and common ones near them).
    void sourcesCompleteAndStaged()
    {
        const QString dir = QStringLiteral(VIREON_SOURCE_DIR "/resources/translations/");
        QList<QMap<QString, Message>> all;
        QSet<QString> keys;
        for (int language = 0; language < kSuffixes.size(); ++language) {
            QString error;
            all << readTs(dir + QStringLiteral("VNX03_%1.ts").arg(kSuffixes.at(language)), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY2(all.last().size() > 100, qPrintable(kSuffixes.at(language)));
            for (auto it = all.last().cbegin(); it != all.last().cend(); ++it)
                keys.insert(it.key());

            // The staged file holds what its source says: a stale or mixed-up file is caught.
            const QString file = Appearance::translationFile(language);
            QVERIFY2(file.endsWith(QStringLiteral("VNX03_%1.qm").arg(kSuffixes.at(language))), qPrintable(file));
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
            int checked = 0;
            for (auto it = all.last().cbegin(); it != all.last().cend(); ++it) {
                const int split = it.key().indexOf(QChar(0x1f));
                const QByteArray source = it.key().mid(split + 1).toUtf8();
                // Plural and identical texts say nothing about which file this is.
                if (it->translation == it.key().mid(split + 1) || source.contains("%n"))
                    continue;
                QCOMPARE(translator.translate(it.key().left(split).toUtf8().constData(), source.constData()),
                         it->translation);
                ++checked;
            }
            // The source language translates few texts into anything else.
            QVERIFY2(checked > (language == 0 ? 0 : 20), qPrintable(kSuffixes.at(language)));
        }
        const QString simplified =
            QStringLiteral("储别发实库开径择据数时线结编设请览载辑进选项预错误络网软级传连测检样"
                           "报导历条显语号体确认败断扫关闭为这间点击个与无应该复读写图页释备统务询");
        QStringList faults;
        for (auto it = all.first().cbegin(); it != all.first().cend(); ++it) {
            if (std::any_of(it->translation.cbegin(), it->translation.cend(),
                            [&](QChar c) { return simplified.contains(c); }))
                faults << "zh simplified: " + QString(it.key()).replace(QChar(0x1f), " | ") + " -> " + it->translation;
        }
        for (int language = 0; language < kSuffixes.size(); ++language) {
            for (const QString &key : keys) {
                const auto it = all.at(language).constFind(key);
                const QString fault = it == all.at(language).cend()         ? "missing"
                                      : it->unfinished                      ? "unfinished"
                                      : it->translation.trimmed().isEmpty() ? "empty"
                                                                            : "";
                if (!fault.isEmpty())
                    faults << kSuffixes.at(language) + " " + fault + ": " +
                                  QString(key).replace(QChar(0x1f), " | ").left(80);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

VIREON_TEST_MAIN(TestCore)
#include "tst_core.moc"
