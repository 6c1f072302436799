#include "export/workbookreader.h"

#include "export/excelapi.h"
#include "export/excelthread.h"
#include "export/htmltable.h"
#include "export/pdfapi.h"
#include "export/printapi.h"
#include "export/printpreview.h"
#include "export/printthread.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
const auto api = [] { return ExcelAPI::getInstance(); }; // made on first use

// Single-table export of rows under two columns, the check rule as given.
Workbook exportRows(const QString &fileName, const QStringList &rows, bool check = false, int column = 0,
                    const QString &type = QString(), const QString &value = QString())
{
    return api()->saveExcel(fileName, "S", QString(), QString(), {"A", "B"}, {50, 50}, rows, true, check, column, type,
                            value)
               ? readWorkbook(fileName)
               : Workbook();
}

// Queues `perThread` rows "t<thread>;<i>" from each of `threads` threads.
bool produce(int threads, int perThread)
{
    return runThreads(threads, [perThread](int t) {
        for (int i = 0; i < perThread; ++i)
            ExcelThread::getInstance()->appendContent(QString("t%1;%2").arg(t).arg(i));
    });
}

const QString kCellStyle = "align='center' style='vertical-align:middle;'>";

QString td(int width, const QString &text, const QString &attributes = QString())
{
    return QString("<td width='%1' ").arg(width) + attributes + kCellStyle + text + "</td>";
}
const auto red = [](int width, const QString &text) { return td(width, "<font color='red'>" + text + "</font>"); };
const auto th = [](int width, const QString &text) { return td(width, text, "bgcolor='lightgray' "); };
const auto row = [](const QStringList &cells) { return "<tr>" + cells.join(QString()) + "</tr>"; };
const QString kStart = "<table border='0.5' cellspacing='0' cellpadding='3'>";
const QString kHeader = row({th(10, "A"), th(20, "B")});

// The text pdftotext finds in a PDF; a missing tool fails the test.
QString pdfText(const QString &fileName)
{
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return "pdftotext is not installed (poppler-utils)";
    QProcess p;
    p.start(tool, {fileName, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return "pdftotext failed: " + QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList missingFrom(const QString &text, QStringList words)
{
    words.erase(std::remove_if(words.begin(), words.end(), [&](const QString &w) { return text.contains(w); }),
                words.end());
    return words;
}
} // namespace

class TestExport : public QObject
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

    // The print worker set up afresh; no file name: the default one.
    static PrintThread *printWorker(const QList<QString> &names, const QList<int> &widths,
                                    const QString &fileName = QString())
    {
        PrintThread *worker = PrintThread::getInstance();
        worker->init();
        if (!fileName.isEmpty())
            worker->setFileName(fileName);
        worker->setColumnNames(names);
        worker->setColumnWidths(widths);
        return worker;
    }

private slots:
    void cleanup() { PrintPreview::setRunner({}); }

    void goldenSingleTable()
    {
        const QString name = testFile("golden.xls");
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(
            api()->saveExcel(name, "表1", "标题", "副", {"A", "B"}, {40, 60}, {"1;x", "0;"}, true, true, 0, "==", "0"));
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QByteArray actual = TestEnv::readFile(name).replace("\r\n", "\n");
        const auto match = QRegularExpression("<Created>(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)</Created>")
                               .match(QString::fromUtf8(actual));
        QVERIFY(match.hasMatch());
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()));
        QVERIFY(stamp <= after);
        actual.replace(match.captured(1).toUtf8(), "@CREATED@");
        QCOMPARE(
            QString::fromUtf8(actual),
            QString::fromUtf8(
                TestEnv::readFile(VIREON_SOURCE_DIR "/tests/export/data/golden_single.xls").replace("\r\n", "\n")));
    }

    // Texts that break XML when inserted raw come back unchanged; characters XML 1.0 cannot carry are left out.
    // Splitting comes before escaping: an escaped "&" never becomes a cell separator.
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
        add(">= before", "4", 1, ">=", "5", false);
        add("< text 10 before 9", "10", 1, "<", "9", true);
        add("< equal", "9", 1, "<", "9", false);
        add("<= equal", "9", 1, "<=", "9", true);
        add("<= after", "b", 1, "<=", "a", false);
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

    // Each packed row is one sheet row, an empty one too.
    void packedRows_data()
    {
        QTest::addColumn<QStringList>("content");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::newRow("empty string") << QStringList{""} << QList<QStringList>{{""}};
    }
    void packedRows()
    {
        QFETCH(QStringList, content);
        QFETCH(QList<QStringList>, cells);
        const Workbook book = exportRows(testFile("rows.xls"), content);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.allTexts().mid(1), cells);
    }

    // Column lines follow the names; a missing width falls back to the sheet's default of 54. No names: no columns, no
    // header, merge -1. Without the border flag no border block is written.
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
        QCOMPARE(book.columnWidths, QList<int>());
        QCOMPARE(book.allTexts(), (QList<QStringList>{{"T"}, {"U"}, {"x"}})); // no header
        QCOMPARE(book.rows.at(0).value(0).mergeAcross, -1);
        const QByteArray off = TestEnv::readFile(name);
        QVERIFY(!off.contains("<Borders>"));
        QVERIFY(off.contains("   <Borders/>"));
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
            QCOMPARE(book.styles(2), QStringList({"s_normal", "s_normal", c0, c0}));
            QCOMPARE(book.styles(3), QStringList({"s_normal"}));
            QCOMPARE(book.styles(4), QStringList({"s_normal", "s_normal", c2}));
            colour += 3;
            QCOMPARE(ExcelAPI::nextBandColour(), colour % 10);
            QVERIFY(!book.styleIds.contains("s_red"));
            QVERIFY(!book.styleIds.contains("s_subtitle"));
            QVERIFY(book.styleIds.contains(c0));
            QVERIFY(book.styleIds.contains(c2)); // each band used is defined
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

        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.texts(0), QStringList({"A", "B"}));
        QCOMPARE(book.rows.size(), threads * perThread + 1);
        // Each producer's rows, in their order: with the count, none is lost.
        QVector<int> next(threads, 0);
        for (int r = 1; r < book.rows.size(); ++r) {
            const int t = qBound(0, book.texts(r).value(0).mid(1).toInt(), threads - 1);
            QCOMPARE(book.texts(r), (QStringList{QString("t%1").arg(t), QString::number(next[t]++)}));
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
        QVERIFY(worker()->open());
        QVERIFY(worker()->close());
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
        // One band colour per row, the next row the next one: "c" stands for it.
        const int firstBand = book.styles(1).filter("s_color_").value(0).mid(8).toInt();
        for (int r = 0; r < 2; ++r)
            QCOMPARE(book.styles(r + 1).replaceInStrings(QString("s_color_%1").arg((firstBand + r) % 10), "c"),
                     expected.at(r));
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
        QVERIFY(!worker()->open());
        QVERIFY(!worker()->close());
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

    // HTML tables, PDF and print.
    // The markup made in each row, compared whole between the table's start and end.
    void tableMarkup_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("expected");
        const QList<int> w{10, 20};
        const auto add = [](const char *tag, const QList<int> &widths, const QStringList &content,
                            const HtmlTable::Check &check, const QString &expected, const QString &title = QString(),
                            const QString &subTitle = QString(), const QStringList &names = {"A", "B"}) {
            QTest::newRow(tag) << HtmlTable::singleTable(title, subTitle, names, widths, content, check).join(QString())
                               << kStart + expected + "</table>";
        };
        const HtmlTable::Check none{-1, "==", "0"};
        const QString bold = "<tr><td align='center' style='vertical-align:middle;font-weight:bold;' colspan='2'>";
        add("header first", w, {"1;2"}, none, kHeader + row({td(10, "1"), td(20, "2")}));
        add("title and subtitle", w, {}, none,
            bold + "T</td></tr><tr><td align='left' style='vertical-align:middle;' colspan='2'>U</td></tr>" + kHeader,
            "T", "U");
        add("long row cut, short row padded", w, {"1;2;3", "x"}, none,
            kHeader + row({td(10, "1"), td(20, "2")}) + row({td(10, "x"), td(20, "")}));
        add("missing width", {10}, {"1;2"}, none,
            row({th(10, "A"), "<td bgcolor='lightgray' " + kCellStyle + "B</td>"}) +
                row({td(10, "1"), "<td " + kCellStyle + "2</td>"}));
        add("hit row all red", w, {"0;a", "1;b"}, {0, "==", "0"},
            kHeader + row({red(10, "0"), red(20, "a")}) + row({td(10, "1"), td(20, "b")}));
        add("contains never hits", w, {"0;a"}, {0, "contains", "0"}, kHeader + row({td(10, "0"), td(20, "a")}));
        add("missing tested cell", w, {"0"}, {1, "!=", "0"}, kHeader + row({td(10, "0"), td(20, "")}));
        add("escaped after split", w, {"a&b;<i>x</i>"}, none,
            bold + "&lt;b&gt;T&lt;/b&gt;</td></tr>" + kHeader +
                row({td(10, "a&amp;b"), td(20, "&lt;i&gt;x&lt;/i&gt;")}),
            "<b>T</b>");
        add("no columns: no header, a row cut to no cells", {}, {"1;2"}, {}, "<tr></tr>", "", "", {});
        const QString spacer = "<tr><td colspan='2'></td></tr>";
        const QString sub = "<tr><td align='left' style='vertical-align:middle;' colspan='2'>%1</td></tr>";
        QTest::newRow("sectioned") << HtmlTable::sectioned("", {"A", "B"}, {10, 20}, {"S1", "S2"}, {"", "U2"},
                                                           {"a|b;c|d", "e"}, {1, "==", "d"})
                                          .join(QString())
                                   << kStart + spacer + sub.arg("S1") + kHeader + row({td(10, "a"), td(20, "b")}) +
                                          row({red(10, "c"), red(20, "d")}) + spacer + sub.arg("S2") + sub.arg("U2") +
                                          kHeader + row({td(10, "e")}) + "</table>";
    }
    void tableMarkup()
    {
        QFETCH(QString, markup);
        QFETCH(QString, expected);
        QCOMPARE(markup, expected);
    }

    // The PDF and print margins are 10 pixels a side at 96 dots per inch and the given bottom, scaled with the
    // resolution.
    void margins_data()
    {
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<qreal>("bottomAt96");
        QTest::addColumn<qreal>("side");
        QTest::addColumn<qreal>("bottom");
        QTest::newRow("96 pdf") << 96.0 << 12.0 << 10.0 << 12.0;
        QTest::newRow("100 print") << 100.0 << 11.0 << 1000.0 / 96 << 1100.0 / 96;
    }
    void margins()
    {
        QFETCH(qreal, dpi);
        QFETCH(qreal, bottomAt96);
        QFETCH(qreal, side);
        QFETCH(qreal, bottom);
        const QMarginsF m = HtmlTable::scaledMargins(dpi, bottomAt96);
        QCOMPARE(m.left(), side);
        QCOMPARE(m.top(), side);
        QCOMPARE(m.right(), side);
        QCOMPARE(m.bottom(), bottom);
    }

    void pdfHoldsTheTable_data()
    {
        QTest::addColumn<bool>("sectioned"); // the sectioned table printed landscape
        QTest::newRow("single portrait") << false;
        QTest::newRow("sectioned landscape") << true;
    }
    void pdfHoldsTheTable()
    {
        QFETCH(bool, sectioned);
        const QString name = testFile("table.pdf");
        QStringList words{"Heading", "Alpha", "Beta"};
        QStringList content;
        for (int i = 0; i < 40; ++i) {
            words << QString("Cell%1x").arg(i);
            content << QString("Cell%1x").arg(i) + (sectioned ? "|A&B" : ";A&B");
        }
        PdfAPI *pdf = PdfAPI::getInstance();
        QVERIFY(sectioned ? pdf->savePdf(name, "Heading", {"Alpha", "Beta"}, {80, 80}, {"Sub"}, {}, {content.join(';')},
                                         sectioned)
                          : pdf->savePdf(name, "Heading", "", {"Alpha", "Beta"}, {80, 80}, content, sectioned));
        QCOMPARE(missingFrom(pdfText(name), words + QStringList{"A&B", sectioned ? "Sub" : "Heading"}), QStringList());
        QVERIFY(!PdfAPI::getInstance()->savePdf(testFile("missing/dir/x.pdf"), "T", "", {"A"}, {10}, {"1"}));
    }

    // Every paint request of one preview, the print from the dialog included, renders the whole table.
    void previewRendersEveryRequest()
    {
        const QStringList words{"Title", "Col", "Row0x", "Row1x", "Row2x"};
        int requests = 0;
        PrintPreview::setRunner([&](QPrintPreviewDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QString("打印预览"));
            for (int i = 0; i < 2; ++i) {
                QPrinter pdf(QPrinter::ScreenResolution);
                pdf.setOutputFormat(QPrinter::PdfFormat);
                pdf.setOutputFileName(testFile(QString("preview%1.pdf").arg(i)));
                emit dialog->paintRequested(&pdf);
                ++requests;
            }
        });
        const auto bothRendered = [&]() {
            QCOMPARE(requests, 2);
            for (int i = 0; i < 2; ++i)
                QCOMPARE(missingFrom(pdfText(testFile(QString("preview%1.pdf").arg(i))), words), QStringList());
            requests = 0;
        };
        PrintAPI::getInstance()->print("Title", "", {"Col"}, {80}, {"Row0x", "Row1x", "Row2x"});
        bothRendered();

        PrintThread *worker = printWorker({"Col"}, {80});
        worker->setTitle("Title");
        for (const char *r : {"Row0x", "Row1x", "Row2x"})
            worker->appendContent(QString(r));
        worker->print();
        bothRendered();
    }

    // Rows queued from other threads while the worker runs, up to the
    // moment of stop(), all land in the PDF written at the end of the run.
    void workerPdfHoldsEveryRow_data()
    {
        QTest::addColumn<bool>("sections");
        QTest::newRow("rows") << false;
        QTest::newRow("sections") << true;
    }
    void workerPdfHoldsEveryRow()
    {
        QFETCH(bool, sections);
        const QString name = testFile(sections ? "worker-sections.pdf" : "worker.pdf");
        PrintThread *worker = printWorker({"Id", "Note"}, {90, 90}, name);
        worker->setTitle("Worker");
        worker->setCheckColumnIndex(1);
        worker->setCheckValue("hot");
        if (sections)
            worker->appendSection("Lead", "Second", "Head0x;n");
        QVERIFY(worker->open());
        worker->start();
        QVERIFY(runThreads(3, [sections](int t) {
            for (int i = 0; i < 20; ++i) {
                const QString id = QString("T%1R%2x").arg(t).arg(i);
                if (sections)
                    PrintThread::getInstance()->appendSection("Sub" + id, "Two" + id, id + ";hot|more;x");
                else
                    PrintThread::getInstance()->appendContent(id + ";cold");
            }
        }));
        worker->stop();
        QVERIFY(worker->wait(60000));
        QVERIFY(worker->markup().isEmpty());
        QStringList words{"Worker", "Id", "Note"};
        for (int n = 0; n < 60; ++n)
            words << QString("T%1R%2x").arg(n / 20).arg(n % 20);
        const QString text = pdfText(name);
        QCOMPARE(missingFrom(text, words), QStringList());
        if (sections)
            QCOMPARE(missingFrom(text, {"Lead", "Second", "SubT2R19x", "TwoT0R0x", "Head0x"}), QStringList());
    }

    void workerRefusesBadColumns()
    {
        PrintThread *worker = printWorker({"A", "B"}, {1});
        QVERIFY(!worker->open());
        bool shown = false;
        PrintPreview::setRunner([&](QPrintPreviewDialog *) { shown = true; });
        worker->print();
        QVERIFY(!shown);
        worker->setColumnWidths({1, 2});
        worker->setFileName(QString());
        QVERIFY(!worker->open());
    }

    // Runs last: both workers are left running, the spreadsheet one with rows queued. Ending the program must stop and
    // join them (Qt aborts on a running thread's destruction), so the process exit code is the verdict.
    void leftRunningAtProgramEnd()
    {
        setUpTable(testFile("left.xls"));
        PrintThread *printer = printWorker({"A"}, {10}, testFile("left.pdf"));
        QVERIFY(worker()->open());
        QVERIFY(printer->open());
        worker()->start();
        printer->start();
        for (int i = 0; i < 100; ++i)
            worker()->appendContent(QString("x;%1").arg(i));
        printer->appendContent(QString("x"));
        QVERIFY(worker()->isRunning());
        QVERIFY(printer->isRunning());
    }
};

VIREON_TEST_MAIN(TestExport)
#include "tst_export.moc"
