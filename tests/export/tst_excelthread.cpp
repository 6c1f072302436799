#include "export/workbookreader.h"

#include "export/excelthread.h"

#include <QDir>

namespace {
// Queues `perThread` rows "t<thread>;<i>" from each of `threads` threads.
bool produce(int threads, int perThread)
{
    return runThreads(threads, [perThread](int t) {
        for (int i = 0; i < perThread; ++i)
            ExcelThread::getInstance()->appendContent(QString("t%1;%2").arg(t).arg(i));
    });
}
} // namespace

class TestExcelThread : public QObject
{
    Q_OBJECT

    ExcelThread *worker() const { return ExcelThread::getInstance(); }

    void setUpTable(const QString &fileName, const QList<QString> &names = {"A", "B"})
    {
        worker()->init();
        worker()->setFileName(fileName);
        worker()->setColumnNames(names);
        worker()->setColumnWidths(QList<int>{40, 41, 42, 43}.mid(0, names.size()));
    }
    // stop, wait and close: the only way a caller finishes a workbook.
    bool finish()
    {
        worker()->stop();
        return worker()->wait(20000) && worker()->close();
    }

private slots:
    // Rows queued from several threads, the last ones just before stop(),
    // all reach the file; the run time is reported afterwards.
    void rowsFromManyThreads_data()
    {
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("perThread");
        QTest::addColumn<bool>("stopFirst");
        QTest::newRow("four threads") << 4 << 500 << false;
        QTest::newRow("stopped before start") << 2 << 50 << true;
    }
    void rowsFromManyThreads()
    {
        QFETCH(int, threads);
        QFETCH(int, perThread);
        QFETCH(bool, stopFirst);
        const QString name = testFile("rows.xls");
        setUpTable(name);
        QVERIFY(worker()->open());
        if (stopFirst) {
            QVERIFY(produce(threads, perThread));
            worker()->stop();
        }
        worker()->start();
        if (!stopFirst)
            QVERIFY(produce(threads, perThread));
        QVERIFY(finish());
        QVERIFY(worker()->useTime() >= 0);

        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.texts(0), QStringList({"A", "B"}));
        QCOMPARE(book.rows.size(), threads * perThread + 1);
        // Each producer's rows, in their order: with the count, none is lost.
        QVector<int> next(threads, 0);
        for (int r = 1; r < book.rows.size(); ++r) {
            const QStringList cells = book.texts(r);
            QCOMPARE(cells.size(), 2);
            const int t = cells.at(0).mid(1).toInt();
            QVERIFY(t >= 0 && t < threads);
            QCOMPARE(cells.at(1).toInt(), next[t]++);
        }
    }

    // A section and its two subtitles are queued as one: however the takes
    // fall, every section is written under its own subtitles.
    void sectionsNeverTear()
    {
        const QString name = testFile("sections.xls");
        setUpTable(name);
        worker()->appendSection("first", "", "0;a|0;b"); // queued before open: no shared header
        QVERIFY(worker()->open());
        worker()->start();
        QVERIFY(runThreads(3, [](int t) {
            for (int i = 0; i < 200; ++i) {
                const QString id = QString("%1-%2").arg(t).arg(i);
                ExcelThread::getInstance()->appendSection("S" + id, "U" + id, id + ";x|" + id + ";y");
            }
        }));
        QVERIFY(finish());

        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        const QList<QStringList> texts = book.allTexts();
        int sections = 0;
        for (int r = 0; r < texts.size(); ++r) {
            if (!book.rows.at(r).isEmpty())
                continue;
            ++sections; // spacer row: subtitles, header, two rows follow
            const QString subtitle = texts.value(r + 1).value(0);
            const QString id = subtitle.mid(1);
            if (subtitle == "first")
                QCOMPARE(texts.mid(r + 2, 2), (QList<QStringList>{{"A", "B"}, {"0", "a"}}));
            else
                QCOMPARE(texts.mid(r + 1, 5),
                         (QList<QStringList>{{"S" + id}, {"U" + id}, {"A", "B"}, {id, "x"}, {id, "y"}}));
        }
        QCOMPARE(sections, 601);
    }

    // Subtitle lists of different lengths: the contents become plain rows.
    void unevenSubtitlesGiveRows()
    {
        const QString name = testFile("uneven.xls");
        setUpTable(name);
        QVERIFY(worker()->open());
        for (const char *text : {"a", "b"})
            worker()->appendSubTitle1(text);
        worker()->appendSubTitle2("c");
        for (const char *text : {"1;2|3", "4"})
            worker()->appendContent(QString(text));
        worker()->start();
        QVERIFY(finish());
        QCOMPARE(readWorkbook(name).allTexts(), (QList<QStringList>{{"A", "B"}, {"1", "2|3"}, {"4"}}));
    }

    void borderWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<bool>("bands");
        QTest::newRow("none") << 0 << 0 << false;
        QTest::newRow("negative") << -3 << 0 << true;
        QTest::newRow("one") << 1 << 4 << false;
        QTest::newRow("two with bands") << 2 << 14 << true;
    }
    void borderWidth()
    {
        QFETCH(int, width);
        QFETCH(int, blocks);
        QFETCH(bool, bands);
        const QString name = testFile("border.xls");
        setUpTable(name);
        worker()->setBorderWidth(width);
        worker()->setRandomColor(bands);
        QVERIFY(worker()->open() && worker()->close());
        const QByteArray raw = TestEnv::readFile(name);
        QCOMPARE(raw.count("  <Borders>\n"), blocks);
        QCOMPARE(raw.count(QString("ss:Weight=\"%1\"/>").arg(width).toUtf8()), blocks * 4);
        QCOMPARE(raw.count("<Style ss:ID=\"s_color_"), bands ? 10 : 0);
        QVERIFY(readWorkbook(name).wellFormed);
    }

    void rowStyles_data()
    {
        QTest::addColumn<bool>("bands");
        QTest::addColumn<QList<int>>("colorColumn");
        QTest::addColumn<int>("checkColumn");
        QTest::addColumn<QString>("checkType");
        QTest::addColumn<QList<QStringList>>("expected"); // per row; "c" = band
        const QStringList n4{"s_normal", "s_normal", "s_normal", "s_normal"};
        const QStringList r4{"s_red", "s_red", "s_red", "s_red"};
        const QStringList c2{"s_normal", "s_normal", "c", "c"};
        const QStringList c4{"c", "c", "c", "c"};
        QTest::newRow("bands on two columns") << true << QList<int>{2, 3} << 0 << "==" << QList<QStringList>{c2, c2};
        QTest::newRow("bands everywhere") << true << QList<int>{} << 0 << "==" << QList<QStringList>{c4, c4};
        QTest::newRow("check hits first row") << false << QList<int>{} << 1 << "==" << QList<QStringList>{r4, n4};
        QTest::newRow("contains") << false << QList<int>{} << 1 << "contains" << QList<QStringList>{r4, r4};
    }
    void rowStyles()
    {
        QFETCH(bool, bands);
        QFETCH(QList<int>, colorColumn);
        QFETCH(int, checkColumn);
        QFETCH(QString, checkType);
        QFETCH(QList<QStringList>, expected);
        const QString name = testFile("styles.xls");
        setUpTable(name, {"A", "B", "C", "D"});
        worker()->setRandomColor(bands);
        worker()->setColorColumn(colorColumn);
        worker()->setCheckColumnIndex(checkColumn);
        worker()->setCheckType(checkType);
        worker()->setCheckValue("0");
        QVERIFY(worker()->open());
        for (const char *text : {"a;0;b;c", "a;10;b;c"})
            worker()->appendContent(QString(text));
        worker()->start();
        QVERIFY(finish());
        const Workbook book = readWorkbook(name);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.rows.size(), 3);
        int firstBand = -1;
        for (int r = 0; r < 2; ++r) {
            QStringList styles = book.styles(r + 1);
            for (QString &s : styles) {
                if (s.startsWith("s_color_")) {
                    const int colour = s.mid(8).toInt();
                    if (r == 0 && firstBand < 0)
                        firstBand = colour;
                    QCOMPARE(colour, (firstBand + r) % 10); // one colour per row, the next row the next one
                    s = "c";
                }
            }
            QCOMPARE(styles, expected.at(r));
        }
    }

    void openRefuses_data()
    {
        QTest::addColumn<QList<QString>>("names");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QString>("target");
        QTest::newRow("no columns") << QList<QString>{} << QList<int>{} << "a.xls";
        QTest::newRow("three names two widths") << QList<QString>{"A", "B", "C"} << QList<int>{1, 2} << "b.xls";
        QTest::newRow("no file name") << QList<QString>{"A"} << QList<int>{1} << "";
        QTest::newRow("a folder") << QList<QString>{"A"} << QList<int>{1} << "folder";
    }
    void openRefuses()
    {
        QFETCH(QList<QString>, names);
        QFETCH(QList<int>, widths);
        QFETCH(QString, target);
        QDir(TestEnv::instance()->workDir()).mkpath("folder");
        worker()->init();
        const QString name = target.isEmpty() ? QString() : testFile(target);
        worker()->setFileName(name);
        worker()->setColumnNames(names);
        worker()->setColumnWidths(widths);
        QVERIFY(!worker()->open() && !worker()->close());
        if (!name.isEmpty() && target != "folder")
            QVERIFY(!QFile::exists(name));
    }

    // The default name carries a stamp a Windows file name can hold.
    void defaultFileName()
    {
        const QDir dir(TestEnv::instance()->workDir());
        const QStringList before = dir.entryList({"*.xls"}, QDir::Files);
        worker()->init();
        worker()->setColumnNames({"A"});
        worker()->setColumnWidths({1});
        QVERIFY(worker()->open());
        QVERIFY(worker()->close());
        QStringList created = dir.entryList({"*.xls"}, QDir::Files);
        for (const QString &f : before)
            created.removeAll(f);
        QCOMPARE(created.size(), 1);
        QVERIFY2(!created.first().contains(':'), qPrintable(created.first()));
        QVERIFY(readWorkbook(dir.filePath(created.first())).wellFormed);
    }

    // Runs last: the worker is left running with rows queued. Ending the
    // program must stop and join it (Qt aborts on a running thread's
    // destruction), so the process exit code is the verdict.
    void leftRunningAtProgramEnd()
    {
        setUpTable(testFile("left.xls"));
        QVERIFY(worker()->open());
        worker()->start();
        for (int i = 0; i < 100; ++i)
            worker()->appendContent(QString("x;%1").arg(i));
        QVERIFY(worker()->isRunning());
    }
};

VIREON_TEST_MAIN(TestExcelThread)
#include "tst_excelthread.moc"
