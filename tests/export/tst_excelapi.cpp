#include "support/testenv.h"

#include "export/workbookreader.h"

#include "export/excelapi.h"
#include "export/exporttext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QByteArray readAll(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll().replace("\r\n", "\n");
}

// Single-table export of rows under two columns, the check rule as given.
Workbook exportRows(const QString &fileName, const QStringList &rows, bool check = false, int column = 0,
                    const QString &type = QString(), const QString &value = QString())
{
    if (!ExcelAPI::getInstance()->saveExcel(fileName, QStringLiteral("S"), QString(), QString(), {"A", "B"}, {50, 50},
                                            rows, true, check, column, type, value))
        return Workbook();
    return readWorkbook(fileName);
}
} // namespace

class TestExcelAPI : public QObject
{
    Q_OBJECT

    QString file(const QString &name) const { return TestEnv::instance()->path(name); }

private slots:
    void goldenSingleTable()
    {
        const QString name = file("golden.xls");
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "表1", "标题", "副", {"A", "B"}, {40, 60}, {"1;x", "0;"}, true,
                                                   true, 0, "==", "0"));
        const QDateTime after = QDateTime::currentDateTime().addSecs(1);
        QByteArray actual = readAll(name);
        QRegularExpression created("<Created>(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)</Created>");
        const auto match = created.match(QString::fromUtf8(actual));
        QVERIFY(match.hasMatch());
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy-MM-dd HH:mm:ss");
        QVERIFY(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after);
        actual.replace(match.captured(1).toUtf8(), "@CREATED@");
        QCOMPARE(QString::fromUtf8(actual),
                 QString::fromUtf8(readAll(VIREON_SOURCE_DIR "/tests/export/data/golden_single.xls")));
    }

    // Texts that break XML when inserted raw come back unchanged; characters
    // XML 1.0 cannot carry are left out.
    void escapedTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ampersand") << "A&B"
                                   << "A&B";
        QTest::newRow("angles") << "x<y>z"
                                << "x<y>z";
        QTest::newRow("quotes") << "say \"hi\" 'x'"
                                << "say \"hi\" 'x'";
        QTest::newRow("entity text") << "&amp&lt"
                                     << "&amp&lt";
        QTest::newRow("markup") << "</Data></Cell><Cell>"
                                << "</Data></Cell><Cell>";
        QTest::newRow("controls") << QString("a\x01"
                                             "b\x1f"
                                             "c")
                                  << "abc";
        QTest::newRow("tab kept") << "a\tb"
                                  << "a\tb";
        QTest::newRow("line ends kept") << "a\nb\r\nc\rd"
                                        << "a\nb\r\nc\rd";
        QTest::newRow("cjk and emoji") << QString::fromUtf8("犬😀") << QString::fromUtf8("犬😀");
        QTest::newRow("lone surrogate") << (QString("a") + QChar(0xD800) + "b") << "ab";
        QTest::newRow("lone low surrogate") << (QString("a") + QChar(0xDC00) + "b") << "ab";
        QTest::newRow("high surrogate at end") << (QString("ab") + QChar(0xD83D)) << "ab";
        QTest::newRow("two-byte forms") << QString::fromUtf8("é߿") << QString::fromUtf8("é߿");
        QTest::newRow("non-characters") << (QString("a") + QChar(0xFFFE) + QChar(0xFFFF) + "b") << "ab";
    }
    void escapedTextsRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString name = file("escape.xls");
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, text, text, text, {text, "B"}, {50, 50}, {text + ";" + text}));
        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.sheetName, expected);
        QCOMPARE(book.rows.size(), 4); // title, subtitle, header, one row
        QCOMPARE(book.rows.at(0).value(0).text, expected);
        QCOMPARE(book.rows.at(1).value(0).text, expected);
        QCOMPARE(book.texts(2), QStringList({expected, "B"}));
        QCOMPARE(book.texts(3), QStringList({expected, expected}));
    }

    // Splitting comes before escaping: an escaped "&" must not become a
    // cell separator, in either form.
    void splitBeforeEscape()
    {
        const QString name = file("split.xls");
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "", "", {"A", "B"}, {50, 50}, {"a&b;c<d"}));
        Workbook book = readWorkbook(name);
        QCOMPARE(book.texts(1), QStringList({"a&b", "c<d"}));

        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "", {"A", "B"}, {50, 50}, {}, {}, {"a&b|c;d>e|f"}));
        book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        // spacer, header, two rows
        QCOMPARE(book.rows.size(), 4);
        QCOMPARE(book.texts(2), QStringList({"a&b", "c"}));
        QCOMPARE(book.texts(3), QStringList({"d>e", "f"}));
    }

    void checkRule_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("hit");
        QTest::newRow("== equal") << "0" << 1 << "=="
                                  << "0" << true;
        QTest::newRow("== differs") << "1" << 1 << "=="
                                    << "0" << false;
        QTest::newRow("== 5.0 is not 5") << "5.0" << 1 << "=="
                                         << "5" << false;
        QTest::newRow("!= differs") << "1" << 1 << "!="
                                    << "0" << true;
        QTest::newRow("!= equal") << "0" << 1 << "!="
                                  << "0" << false;
        QTest::newRow("> text 10 before 9") << "10" << 1 << ">"
                                            << "9" << false;
        QTest::newRow("> text 50 after 5") << "50" << 1 << ">"
                                           << "5" << true;
        QTest::newRow("> equal") << "5" << 1 << ">"
                                 << "5" << false;
        QTest::newRow(">= equal") << "5" << 1 << ">="
                                  << "5" << true;
        QTest::newRow(">= before") << "4" << 1 << ">="
                                   << "5" << false;
        QTest::newRow("< text 10 before 9") << "10" << 1 << "<"
                                            << "9" << true;
        QTest::newRow("< equal") << "9" << 1 << "<"
                                 << "9" << false;
        QTest::newRow("<= equal") << "9" << 1 << "<="
                                  << "9" << true;
        QTest::newRow("<= after") << "b" << 1 << "<="
                                  << "a" << false;
        QTest::newRow("case counts") << "a" << 1 << "<"
                                     << "B" << false;
        QTest::newRow("contains") << "xaby" << 1 << "contains"
                                  << "ab" << true;
        QTest::newRow("contains case") << "xAby" << 1 << "contains"
                                       << "ab" << false;
        QTest::newRow("contains empty") << "q" << 1 << "contains"
                                        << "" << true;
        QTest::newRow("unknown operator") << "0" << 1 << "="
                                          << "0" << false;
        QTest::newRow("operator case") << "x" << 1 << "CONTAINS"
                                       << "x" << false;
        QTest::newRow("missing cell") << "0" << 5 << "=="
                                      << "0" << false;
        QTest::newRow("negative column") << "0" << -1 << "=="
                                         << "0" << false;
        QTest::newRow("first cell") << "0" << 0 << "=="
                                    << "k" << true;
    }
    void checkRule()
    {
        QFETCH(QString, cell);
        QFETCH(int, column);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(bool, hit);
        // The tested cell is the second one; "k" sits first.
        const Workbook book = exportRows(file("check.xls"), {"k;" + cell}, true, column, type, value);
        QVERIFY(book.wellFormed);
        const QString style = hit ? "s_red" : "s_normal";
        QCOMPARE(book.styles(1), QStringList({style, style}));
        QCOMPARE(book.styles(0), QStringList({"s_normal", "s_normal"})); // the header is never red
        // The rule is off without the flag, whatever it would say.
        const Workbook off = exportRows(file("check.xls"), {"k;" + cell}, false, column, type, value);
        QCOMPARE(off.styles(1), QStringList({"s_normal", "s_normal"}));
    }

    void packedRows_data()
    {
        QTest::addColumn<QStringList>("content");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::newRow("empty middle cell") << QStringList{"a;;b"} << QList<QStringList>{{"a", "", "b"}};
        QTest::newRow("empty string") << QStringList{""} << QList<QStringList>{{""}};
        QTest::newRow("short row") << QStringList{"a"} << QList<QStringList>{{"a"}};
        QTest::newRow("long row") << QStringList{"1;2;3;4"} << QList<QStringList>{{"1", "2", "3", "4"}};
        QTest::newRow("no rows") << QStringList{} << QList<QStringList>{};
    }
    void packedRows()
    {
        QFETCH(QStringList, content);
        QFETCH(QList<QStringList>, cells);
        const Workbook book = exportRows(file("rows.xls"), content);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.rows.size(), cells.size() + 1);
        for (int i = 0; i < cells.size(); ++i)
            QCOMPARE(book.texts(i + 1), cells.at(i));
    }

    // Column lines follow the names; a missing width falls back to the
    // sheet's default of 54. No names: no columns, no header, merge -1.
    void columnsAndWidths()
    {
        const QString name = file("widths.xls");
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "", "", {"A", "B", "C"}, {10}, {"1;2;3"}));
        Workbook book = readWorkbook(name);
        QCOMPARE(book.expandedColumns, 3);
        QCOMPARE(book.columnWidths, QList<int>({10, 54, 54}));

        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "T", "U", {}, {}, {"x"}));
        book = readWorkbook(name);
        QVERIFY(book.wellFormed);
        QCOMPARE(book.expandedColumns, 0);
        QVERIFY(book.columnWidths.isEmpty());
        QCOMPARE(book.rows.size(), 3); // title, subtitle, content: no header
        QCOMPARE(book.rows.at(0).value(0).mergeAcross, -1);
        QCOMPARE(book.texts(2), QStringList({"x"}));
    }

    void borderFlag()
    {
        const QString name = file("border.xls");
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "", "", {"A"}, {5}, {"1"}, false));
        const QByteArray off = readAll(name);
        QVERIFY(!off.contains("<Borders>"));
        QVERIFY(off.contains("   <Borders/>"));
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "", "", {"A"}, {5}, {"1"}, true));
        QCOMPARE(readAll(name).count("  <Borders>\n"), 4);
    }

    void sectionedForm()
    {
        const QString name = file("sections.xls");
        QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "T", {"A", "B"}, {5, 6}, {"s1", ""}, {"t1"},
                                                   {"a|b;c|d", "e|f|g"}, true, true, 2, "==", "g"));
        const QByteArray raw = readAll(name);
        QVERIFY(raw.contains("   </Row>   <Row ss:AutoFitHeight=\"0\">\n   </Row>   <Row ss:AutoFitHeight=\"0\" "
                             "ss:Height=\"18\">"));
        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        const QList<QStringList> expected{{"T"},      {},         {"s1"}, {"t1"},     {"A", "B"},
                                          {"a", "b"}, {"c", "d"}, {},     {"A", "B"}, {"e", "f", "g"}};
        QCOMPARE(book.rows.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(book.texts(i), expected.at(i));
        QCOMPARE(book.rows.at(2).value(0).style, QString("s_subtitle"));
        QCOMPARE(book.styles(9), QStringList({"s_red", "s_red", "s_red"}));
        QCOMPARE(book.styles(5), QStringList({"s_normal", "s_normal"})); // no third cell: no hit
    }

    // The band counter runs on across exports; the first two cells stay
    // plain and an empty row still takes a colour.
    void bandedColours()
    {
        const QString name = file("banded.xls");
        const QStringList bandColours{"#FF99CC", "#FFCC99", "#FF8080", "#8DB4E2", "#EBF1DE",
                                      "#CC99FF", "#99CC00", "#99CCFF", "#FFFF00", "#FF6600"};
        int colour = ExcelAPI::nextBandColour();
        for (int round = 0; round < 4; ++round) {
            QVERIFY(ExcelAPI::getInstance()->saveExcel(name, "S", "T", {"A", "B", "C", "D"}, {1, 2, 3, 4},
                                                       {"a;b;c;d", "", "a;b;c"}));
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
            const QByteArray raw = readAll(name);
            for (int n = 0; n < 10; ++n)
                QVERIFY(raw.contains(QString("  <Style ss:ID=\"s_color_%1\">\n   <Alignment ss:Horizontal=\"Left\" "
                                             "ss:Vertical=\"Center\"/>\n  <Borders>")
                                         .arg(n)
                                         .toUtf8()));
            for (const QString &c : bandColours)
                QVERIFY(raw.contains(QString("   <Interior ss:Color=\"%1\" ss:Pattern=\"Solid\"/>\n").arg(c).toUtf8()));
            QVERIFY(!book.styleIds.contains("s_red") && !book.styleIds.contains("s_subtitle"));
        }
    }

    // A file that cannot be written is reported, not passed off as done.
    void unwritableFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("no name") << QString();
        QTest::newRow("a folder") << QString("folder");
        QTest::newRow("missing folder") << QString("missing/dir/x.xls");
        if (QFileInfo::exists("/dev/full"))
            QTest::newRow("disk full") << QString("/dev/full");
    }
    void unwritableFile()
    {
        QFETCH(QString, target);
        QDir(TestEnv::instance()->workDir()).mkpath("folder");
        const QString name = target.isEmpty() || target.startsWith('/') ? target : file(target);
        QStringList many;
        for (int i = 0; i < 30000; ++i)
            many << "row;" + QString::number(i);
        QVERIFY(!ExcelAPI::getInstance()->saveExcel(name, "S", "T", "", {"A", "B"}, {1, 2}, many));
        QVERIFY(!ExcelAPI::getInstance()->saveExcel(name, "S", "T", {"A", "B"}, {1, 2}, {}, {}, many));
        const int colour = ExcelAPI::nextBandColour();
        QVERIFY(!ExcelAPI::getInstance()->saveExcel(name, "S", "T", {"A", "B"}, {1, 2}, {"1;2"}));
        if (!name.startsWith("/dev/"))
            QCOMPARE(ExcelAPI::nextBandColour(), colour);
    }

    void singletonAcrossThreads()
    {
        QVector<ExcelAPI *> seen(8, nullptr);
        QList<QThread *> threads;
        for (int i = 0; i < seen.size(); ++i)
            threads << QThread::create([&seen, i] { seen[i] = ExcelAPI::getInstance(); });
        for (QThread *t : threads)
            t->start();
        for (QThread *t : threads) {
            QVERIFY(t->wait(10000));
            delete t;
        }
        for (ExcelAPI *p : seen)
            QCOMPARE(p, ExcelAPI::getInstance());
    }

    void fileStampHasNoColon()
    {
        const QString stamp = ExportText::fileStamp();
        QVERIFY(!stamp.contains(':'));
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d$").match(stamp).hasMatch());
    }
};

VIREON_TEST_MAIN(TestExcelAPI)
#include "tst_excelapi.moc"
