#include "export/workbookreader.h"

#include "export/excelapi.h"
#include "export/excelthread.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const auto api = [] { return ExcelAPI::getInstance(); }; // made on first use

// Single-table export of rows under two columns, the check rule as given.
Workbook exportRows(const QString &fileName, const QStringList &rows, bool check = false, int column = 0,
                    const QString &type = QString(), const QString &value = QString())
{
    if (!api()->saveExcel(fileName, "S", QString(), QString(), {"A", "B"}, {50, 50}, rows, true, check, column, type,
                          value))
        return Workbook();
    return readWorkbook(fileName);
}

// Queues `perThread` rows "t<thread>;<i>" from each of `threads` threads.
bool produce(int threads, int perThread)
{
    return runThreads(threads, [perThread](int t) {
        for (int i = 0; i < perThread; ++i)
            ExcelThread::getInstance()->appendContent(QString("t%1;%2").arg(t).arg(i));
    });
}
} // namespace

class TestExcelExport : public QObject
{
    Q_OBJECT

    ExcelThread *worker() const { return ExcelThread::getInstance(); }

    void setUpTable(const QString &fileName, const QList<QString> &names = {"A", "B"},
                    const QList<int> &widths = {40, 41, 42, 43})
    {
        worker()->init();
        worker()->setFileName(fileName);
        worker()->setColumnNames(names);
        worker()->setColumnWidths(widths.mid(0, names.size()));
    }
    // stop, wait and close: the only way a caller finishes a workbook.
    bool finish()
    {
        worker()->stop();
        return worker()->wait(20000) && worker()->close();
    }

private slots:
    // Runs first, before anything else made the instance.
    void singletonAcrossThreads()
    {
        QVector<ExcelAPI *> seen(8, nullptr);
        QVERIFY(runThreads(seen.size(), [&seen](int i) { seen[i] = ExcelAPI::getInstance(); }));
        QCOMPARE(seen, QVector<ExcelAPI *>(8, api()));
    }

    void goldenSingleTable()
    {
        const QString name = testFile("golden.xls");
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(
            api()->saveExcel(name, "表1", "标题", "副", {"A", "B"}, {40, 60}, {"1;x", "0;"}, true, true, 0, "==", "0"));
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QByteArray actual = TestEnv::readFile(name).replace("\r\n", "\n");
        QRegularExpression created("<Created>(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)</Created>");
        const auto match = created.match(QString::fromUtf8(actual));
        QVERIFY(match.hasMatch());
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);
        actual.replace(match.captured(1).toUtf8(), "@CREATED@");
        QCOMPARE(
            QString::fromUtf8(actual),
            QString::fromUtf8(
                TestEnv::readFile(VIREON_SOURCE_DIR "/tests/export/data/golden_single.xls").replace("\r\n", "\n")));
    }

    // Texts that break XML when inserted raw come back unchanged; characters
    // XML 1.0 cannot carry are left out. Splitting comes before escaping: an
    // escaped "&" never becomes a cell separator.
    void escapedTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto keep = [](const char *tag, const QString &text) { QTest::newRow(tag) << text << text; };
        keep("quotes", "say \"hi\" 'x'");
        keep("entity text", "&amp&lt");
        keep("markup", "</Data></Cell><Cell>");
        keep("tab kept", "a\tb");
        keep("line ends kept", "a\nb\r\nc\rd");
        keep("cjk and emoji", QString::fromUtf8("犬😀"));
        keep("two-byte forms", QString::fromUtf8("é߿"));
        QTest::newRow("controls") << (QString("a") + QChar(0x01) + "b" + QChar(0x1f) + "c") << "abc";
        QTest::newRow("lone surrogate") << (QString("a") + QChar(0xD800) + "b") << "ab";
        QTest::newRow("lone low surrogate") << (QString("a") + QChar(0xDC00) + "b") << "ab";
        QTest::newRow("high surrogate at end") << (QString("ab") + QChar(0xD83D)) << "ab";
        QTest::newRow("non-characters") << (QString("a") + QChar(0xFFFE) + QChar(0xFFFF) + "b") << "ab";
    }
    void escapedTextsRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString name = testFile("escape.xls");
        QVERIFY(api()->saveExcel(name, text, text, text, {text, "B"}, {50, 50}, {text + ";" + text + "&;<"}));
        Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.sheetName, expected);
        // title, subtitle, header, one row
        QCOMPARE(book.allTexts(),
                 (QList<QStringList>{{expected}, {expected}, {expected, "B"}, {expected, expected + "&", "<"}}));

        QVERIFY(api()->saveExcel(name, "S", "", {"A", "B"}, {50, 50}, {}, {}, {text + "&|c;d>e|" + text}));
        book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.allTexts(), (QList<QStringList>{{}, {"A", "B"}, {expected + "&", "c"}, {"d>e", expected}}));
    }

    // The tested cell is the second one; "k" sits first.
    void checkRule_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("hit");
        const auto add = [](const char *tag, const char *cell, int column, const char *type, const char *value,
                            bool hit) { QTest::newRow(tag) << QString(cell) << column << type << value << hit; };
        add("== equal", "0", 1, "==", "0", true);
        add("== 5.0 is not 5", "5.0", 1, "==", "5", false);
        add("!= differs", "1", 1, "!=", "0", true);
        add("!= equal", "0", 1, "!=", "0", false);
        add("> text 10 before 9", "10", 1, ">", "9", false);
        add("> text 50 after 5", "50", 1, ">", "5", true);
        add("> equal", "5", 1, ">", "5", false);
        add(">= equal", "5", 1, ">=", "5", true);
        add("< text 10 before 9", "10", 1, "<", "9", true);
        add("< equal", "9", 1, "<", "9", false);
        add("<= equal", "9", 1, "<=", "9", true);
        add("case counts", "a", 1, "<", "B", false);
        add("contains", "xaby", 1, "contains", "ab", true);
        add("contains case", "xAby", 1, "contains", "ab", false);
        add("contains empty", "q", 1, "contains", "", true);
        add("unknown operator", "0", 1, "=", "0", false);
        add("operator case", "x", 1, "CONTAINS", "x", false);
        add("missing cell", "0", 5, "==", "0", false);
        add("negative column", "0", -1, "==", "0", false);
        add("first cell", "0", 0, "==", "k", true);
    }
    void checkRule()
    {
        QFETCH(QString, cell);
        QFETCH(int, column);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(bool, hit);
        const Workbook book = exportRows(testFile("check.xls"), {"k;" + cell}, true, column, type, value);
        QVERIFY(book.wellFormed);
        const QString style = hit ? "s_red" : "s_normal";
        QCOMPARE(book.styles(1), QStringList({style, style}));
        QCOMPARE(book.styles(0), QStringList({"s_normal", "s_normal"})); // the header is never red
        // The rule is off without the flag, whatever it would say.
        const Workbook off = exportRows(testFile("check.xls"), {"k;" + cell}, false, column, type, value);
        QCOMPARE(off.styles(1), QStringList({"s_normal", "s_normal"}));
    }

    void packedRows_data()
    {
        QTest::addColumn<QStringList>("content");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::newRow("empty middle cell") << QStringList{"a;;b"} << QList<QStringList>{{"a", "", "b"}};
        QTest::newRow("empty string") << QStringList{""} << QList<QStringList>{{""}};
        QTest::newRow("long row") << QStringList{"1;2;3;4", "a"} << QList<QStringList>{{"1", "2", "3", "4"}, {"a"}};
        QTest::newRow("no rows") << QStringList{} << QList<QStringList>{};
    }
    void packedRows()
    {
        QFETCH(QStringList, content);
        QFETCH(QList<QStringList>, cells);
        const Workbook book = exportRows(testFile("rows.xls"), content);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.allTexts().mid(1), cells);
    }

    // Column lines follow the names; a missing width falls back to the
    // sheet's default of 54. No names: no columns, no header, merge -1.
    // Without the border flag no border block is written.
    void columnsWidthsAndBorders()
    {
        const QString name = testFile("widths.xls");
        QVERIFY(api()->saveExcel(name, "S", "", "", {"A", "B", "C"}, {10}, {"1;2;3"}));
        Workbook book = readWorkbook(name);
        QCOMPARE(book.expandedColumns, 3);
        QCOMPARE(book.columnWidths, QList<int>({10, 54, 54}));
        QCOMPARE(TestEnv::readFile(name).count("  <Borders>\n"), 4);

        QVERIFY(api()->saveExcel(name, "S", "T", "U", {}, {}, {"x"}, false));
        book = readWorkbook(name);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.expandedColumns, 0);
        QVERIFY(book.columnWidths.isEmpty());
        QCOMPARE(book.allTexts(), (QList<QStringList>{{"T"}, {"U"}, {"x"}})); // no header
        QCOMPARE(book.rows.at(0).value(0).mergeAcross, -1);
        const QByteArray off = TestEnv::readFile(name);
        QVERIFY(!off.contains("<Borders>") && off.contains("   <Borders/>"));
    }

    void sectionedForm()
    {
        const QString name = testFile("sections.xls");
        QVERIFY(api()->saveExcel(name, "S", "T", {"A", "B"}, {5, 6}, {"s1", ""}, {"t1"}, {"a|b;c|d", "e|f|g"}, true,
                                 true, 2, "==", "g"));
        QVERIFY(TestEnv::readFile(name).contains("   </Row>   <Row ss:AutoFitHeight=\"0\">\n   </Row>   <Row "
                                                 "ss:AutoFitHeight=\"0\" ss:Height=\"18\">"));
        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        const QList<QStringList> expected{{"T"},      {},         {"s1"}, {"t1"},     {"A", "B"},
                                          {"a", "b"}, {"c", "d"}, {},     {"A", "B"}, {"e", "f", "g"}};
        QCOMPARE(book.allTexts(), expected);
        QCOMPARE(book.rows.at(2).value(0).style, QString("s_subtitle"));
        QCOMPARE(book.styles(9), QStringList({"s_red", "s_red", "s_red"}));
        QCOMPARE(book.styles(5), QStringList({"s_normal", "s_normal"})); // no third cell: no hit
    }

    // The band counter runs on across exports (and wraps at ten); the first
    // two cells stay plain and an empty row still takes a colour.
    void bandedColours()
    {
        const QString name = testFile("banded.xls");
        int colour = ExcelAPI::nextBandColour();
        for (int round = 0; round < 4; ++round) {
            QVERIFY(api()->saveExcel(name, "S", "T", {"A", "B", "C", "D"}, {1, 2, 3, 4}, {"a;b;c;d", "", "a;b;c"}));
            const Workbook book = readWorkbook(name);
            QVERIFY(book.wellFormed);
            QCOMPARE(book.rows.size(), 5);
            const QString c0 = QString("s_color_%1").arg(colour % 10);
            const QString c2 = QString("s_color_%1").arg((colour + 2) % 10);
            QCOMPARE(
                (QList<QStringList>{book.styles(2), book.styles(3), book.styles(4)}),
                (QList<QStringList>{{"s_normal", "s_normal", c0, c0}, {"s_normal"}, {"s_normal", "s_normal", c2}}));
            colour += 3;
            QCOMPARE(ExcelAPI::nextBandColour(), colour % 10);
            QVERIFY(!book.styleIds.contains("s_red") && !book.styleIds.contains("s_subtitle"));
            QVERIFY(book.styleIds.contains(c0) && book.styleIds.contains(c2)); // each band used is defined
        }
    }

    // A file that cannot be written is reported, not passed off as done.
    void unwritableFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("no name") << QString();
        QTest::newRow("a folder") << testFile("folder");
        QTest::newRow("missing folder") << testFile("missing/dir/x.xls");
        if (QFileInfo::exists("/dev/full"))
            QTest::newRow("disk full") << QString("/dev/full");
    }
    void unwritableFile()
    {
        QFETCH(QString, target);
        QDir(TestEnv::instance()->workDir()).mkpath("folder");
        QStringList many;
        for (int i = 0; i < 30000; ++i)
            many << "row;" + QString::number(i);
        QVERIFY(!api()->saveExcel(target, "S", "T", "", {"A", "B"}, {1, 2}, many));
        QVERIFY(!api()->saveExcel(target, "S", "T", {"A", "B"}, {1, 2}, {}, {}, many));
        const int colour = ExcelAPI::nextBandColour();
        QVERIFY(!api()->saveExcel(target, "S", "T", {"A", "B"}, {1, 2}, {"1;2"}));
        if (!target.startsWith("/dev/"))
            QCOMPARE(ExcelAPI::nextBandColour(), colour);
    }

    // The writer thread.
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
        const QString name = target.isEmpty() ? QString() : testFile(target);
        setUpTable(name, names, widths);
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

VIREON_TEST_MAIN(TestExcelExport)
#include "tst_excelexport.moc"
