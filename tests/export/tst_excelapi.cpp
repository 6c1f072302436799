#include "export/workbookreader.h"

#include "export/excelapi.h"

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
} // namespace

class TestExcelAPI : public QObject
{
    Q_OBJECT

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
};

VIREON_TEST_MAIN(TestExcelAPI)
#include "tst_excelapi.moc"
