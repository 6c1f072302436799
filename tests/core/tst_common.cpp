#include "core/common.h"
#include "core/debuglog.h"
#include "support/testenv.h"

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void itemNames()
    {
        auto *common = Common::getInstance();
        const QList<int> codes = Common::itemCodes();
        QVERIFY(codes.size() >= 16 && codes.size() <= 24);
        QSet<QString> names;
        for (int code : codes)
            names.insert(common->getItemName(code));
        QCOMPARE(QSet<int>(codes.begin(), codes.end()).size(), codes.size());
        QCOMPARE(names.size(), codes.size());
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
        QCOMPARE(common->getLanguageName(0), QStringLiteral("Traditional Chinese"));
        QCOMPARE(common->getLanguageName(3), QStringLiteral("简体中文")); // never translated
    }

    void languageNamesAndDateFormats()
    {
        // The tables themselves are constants; what counts is the way out of
        // range: no name, the default format, not a crash or a neighbour's entry.
        for (int i : {-1, 6}) {
            QCOMPARE(Common::getInstance()->getLanguageName(i), QString());
            QCOMPARE(Common::getInstance()->getDateFormatString(i), QStringLiteral("yyyy-MM-dd"));
        }
        QCOMPARE(Common::getInstance()->getDateFormatString(5), QStringLiteral("dd/MM/yyyy"));
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

        // The system's own list: well-formed, loopback last.
        Common::getInstance()->get_local_net_cart_infos(&list);
        QVERIFY(!list.isEmpty());
        const QRegularExpression macFormat(QStringLiteral("^([0-9a-f]{2}-){5}[0-9a-f]{2}$"));
        for (const NetCartInfo *info : list) {
            QVERIFY2(macFormat.match(info->mac).hasMatch(), qPrintable(info->mac));
            QVERIFY(info->ip != QLatin1String("0.0.0.0") && !QHostAddress(info->ip).isNull());
        }
        QCOMPARE(list.last()->ip, QStringLiteral("127.0.0.1"));
        QCOMPARE(list.last()->mac, QStringLiteral("00-00-00-00-00-00"));
        qDeleteAll(list);
    }

    void delayProcessesEvents()
    {
        bool fired = false;
        QTimer::singleShot(5, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        Common::getInstance()->delayMs(40);
        QVERIFY(clock.elapsed() > 40);
        QVERIFY(fired);
    }

    void debugLogFileAndCleanup()
    {
        const QDateTime when(QDate(2026, 3, 1), QTime(9, 5, 7));
        QCOMPARE(DebugLog::formatLine(QtInfoMsg, when, "x"), QStringLiteral("[2026-03-01 09:05:07 Sun] Debug: x"));
        QCOMPARE(DebugLog::formatLine(QtFatalMsg, when, "x"), QStringLiteral("[2026-03-01 09:05:07 Sun] Fatal: x"));
        QCOMPARE(DebugLog::filePathFor(QDate(2026, 12, 6)), QStringLiteral("./app/debugLog/DebugLog_20261206.txt"));

        QDir("./app/debugLog").removeRecursively();
        const QtMessageHandler previous = qInstallMessageHandler(&DebugLog::messageHandler);
        qDebug() << "probe line" << 42;
        qWarning("温馨 warning");
        QThread *worker = QThread::create([] { qCritical("from another thread"); });
        worker->start();
        worker->wait();
        delete worker;
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
        QCOMPARE(QVector<bool>({QFile::exists(DebugLog::filePathFor(today.addDays(-30))),
                                QFile::exists(DebugLog::filePathFor(today.addDays(-31))),
                                QFile::exists("./app/debugLog/notes.txt")}),
                 QVector<bool>({true, false, true}));
    }

    void fontSubstitution()
    {
        Common::installFontSubstitutions();
        const QString family = QFontInfo(QFont(QStringLiteral("Microsoft YaHei"))).family();
        QVERIFY2(family.contains(QStringLiteral("CJK")) || family.contains(QStringLiteral("WenQuanYi")),
                 qPrintable(family));
        // The CJK face must offer a real bold, not a synthesised one.
        QFont bold(QStringLiteral("Microsoft YaHei"));
        bold.setBold(true);
        QCOMPARE(QFontInfo(bold).weight(), int(QFont::Bold));
    }
};

VIREON_TEST_MAIN(TestCommon)
#include "tst_common.moc"
