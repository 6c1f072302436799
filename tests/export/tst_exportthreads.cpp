#include "export/workbookreader.h"

#include "export/excelthread.h"
#include "export/printpreview.h"
#include "export/printthread.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

Q_DECLARE_METATYPE(QPrinter::Orientation)
Q_DECLARE_METATYPE(QPrinter::PageSize)

namespace {
// A slot reached through the meta-object by its signature, with its one
// argument (none when invalid), the way a queued or scripted caller does.
struct Call {
    QByteArray slot;
    QVariant arg;
};
Call call(const char *slot, const QVariant &arg = QVariant())
{
    return Call{slot, arg};
}
} // namespace

Q_DECLARE_METATYPE(Call)
using Calls = QVector<Call>;

namespace {
// The first call whose slot is missing or takes another type; empty when all ran.
QByteArray failedCall(QObject *object, const Calls &calls)
{
    const QMetaObject *meta = object->metaObject();
    for (const Call &c : calls) {
        const int index = meta->indexOfSlot(QMetaObject::normalizedSignature(c.slot.constData()).constData());
        if (index < 0)
            return c.slot;
        const QMetaMethod method = meta->method(index);
        const bool ran =
            method.parameterCount() == 0
                ? method.invoke(object, Qt::DirectConnection)
                : method.parameterType(0) == c.arg.userType() &&
                      method.invoke(object, Qt::DirectConnection,
                                    QGenericArgument(method.parameterTypes().at(0).constData(), c.arg.constData()));
        if (!ran)
            return c.slot;
    }
    return QByteArray();
}

// Markup pieces of the HTML table, written out independently of the table code.
const QString kStart = "<table border='0.5' cellspacing='0' cellpadding='3'>";
QString td(int width, const QString &text, const QString &attributes = QString())
{
    return QString("<td width='%1' ").arg(width) + attributes + "align='center' style='vertical-align:middle;'>" +
           text + "</td>";
}
QString rowOf(const QStringList &cells)
{
    return "<tr>" + cells.join(QString()) + "</tr>";
}
QString cells(const QString &a, const QString &b)
{
    return rowOf({td(10, a), td(20, b)});
}
QString redCells(const QString &a, const QString &b)
{
    return rowOf({td(10, "<font color='red'>" + a + "</font>"), td(20, "<font color='red'>" + b + "</font>")});
}
const QString kHeader = rowOf({td(10, "A", "bgcolor='lightgray' "), td(20, "B", "bgcolor='lightgray' ")});
const QString kSpacer = "<tr><td colspan='2'></td></tr>";
QString subTitleRow(const QString &text)
{
    return "<tr><td align='left' style='vertical-align:middle;' colspan='2'>" + text + "</td></tr>";
}

// Replaces the three queues through the meta-object; false when a setter is missing.
bool setLists(QObject *worker, const QStringList &subTitle1, const QStringList &subTitle2, const QStringList &content)
{
    bool ok = QMetaObject::invokeMethod(worker, "setSubTitle1", Qt::DirectConnection, Q_ARG(QStringList, subTitle1));
    ok = QMetaObject::invokeMethod(worker, "setSubTitle2", Qt::DirectConnection, Q_ARG(QStringList, subTitle2)) && ok;
    return QMetaObject::invokeMethod(worker, "setContent", Qt::DirectConnection, Q_ARG(QStringList, content)) && ok;
}

// Width and height in whole points of the first page pdfinfo finds.
QSize pdfPagePoints(const QString &fileName)
{
    const QString tool = QStandardPaths::findExecutable("pdfinfo");
    if (tool.isEmpty())
        return QSize(-1, -1); // poppler-utils missing: fails the comparison
    QProcess p;
    p.start(tool, {fileName});
    if (!p.waitForFinished(60000))
        return QSize(-2, -2);
    const QRegularExpressionMatch m = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")
                                          .match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble())) : QSize(-3, -3);
}
} // namespace

class TestExportThreads : public QObject
{
    Q_OBJECT

    static ExcelThread *excel(const QString &fileName)
    {
        ExcelThread *worker = ExcelThread::getInstance();
        worker->init();
        worker->setFileName(fileName);
        worker->setColumnNames({"A", "B"});
        worker->setColumnWidths({40, 41});
        return worker;
    }
    static PrintThread *printer(const QString &fileName = QString())
    {
        PrintThread *worker = PrintThread::getInstance();
        worker->init();
        if (!fileName.isEmpty())
            worker->setFileName(fileName);
        worker->setColumnNames({"A", "B"});
        worker->setColumnWidths({10, 20});
        return worker;
    }

private slots:
    void cleanup() { PrintPreview::setRunner({}); }

    // Every slot of both workers, reachable by its signature and declared in
    // this order (callers and the meta-object index them by position).
    void slotsInTheirOrder_data()
    {
        QTest::addColumn<bool>("workbook");
        QTest::addColumn<QByteArrayList>("signatures");
        const QByteArrayList setters{"setFileName(QString)",           "setTitle(QString)",
                                     "setSubTitle(QString)",           "setSubTitle1(QStringList)",
                                     "setSubTitle2(QStringList)",      "setContent(QStringList)",
                                     "setSeparator(QString)",          "setSubSeparator(QString)",
                                     "setColumnNames(QList<QString>)", "setColumnWidths(QList<int>)"};
        QByteArrayList book{
            "appendHead()",  "appendDocument()",     "appendBorder()",       "appendStyle()",
            "appendTable()", "appendColumn()",       "appendEnd()",          "appendContent(QStringList)",
            "take()",        "setFileName(QString)", "setSheetName(QString)"};
        book += setters.mid(1);
        book += QByteArrayList{"setRandomColor(bool)",
                               "setColorColumn(QList<int>)",
                               "setBorderWidth(int)",
                               "setCheckColumnIndex(int)",
                               "setCheckType(QString)",
                               "setCheckValue(QString)",
                               "init()",
                               "open()",
                               "close()",
                               "stop()",
                               "appendSubTitle1(QString)",
                               "appendSubTitle2(QString)",
                               "appendContent(QString)"};
        QTest::newRow("workbook thread") << true << book;
        QByteArrayList print{"appendHead()", "appendEnd()", "appendContent(QStringList)", "take()",
                             "printView(QPrinter*)"};
        print.insert(1, "appendTitle()");
        print.insert(2, "appendColumn()");
        print += setters;
        print += QByteArrayList{"setBorderWidth(int)",
                                "setCheckColumnIndex(int)",
                                "setCheckType(QString)",
                                "setCheckValue(QString)",
                                "setOrientation(QPrinter::Orientation)",
                                "setPageSize(QPrinter::PageSize)",
                                "init()",
                                "open()",
                                "stop()",
                                "print()",
                                "appendSubTitle1(QString)",
                                "appendSubTitle2(QString)",
                                "appendContent(QString)"};
        QTest::newRow("print thread") << false << print;
    }
    void slotsInTheirOrder()
    {
        QFETCH(bool, workbook);
        QFETCH(QByteArrayList, signatures);
        const QMetaObject *meta = workbook ? &ExcelThread::staticMetaObject : &PrintThread::staticMetaObject;
        QByteArrayList wrong;
        int previous = -1;
        for (const QByteArray &signature : signatures) {
            const int index = meta->indexOfSlot(QMetaObject::normalizedSignature(signature.constData()).constData());
            if (index < 0)
                wrong << "missing " + signature;
            else if (index < previous)
                wrong << "out of order " + signature;
            previous = qMax(previous, index);
        }
        QCOMPARE(wrong, QByteArrayList());
    }

    // Each setter, called by name before open(), shows in the workbook the
    // run writes; the list setters replace what was queued before them.
    void workbookSetters_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QList<QStringList>>("rows");
        const QStringList head{"A", "B"};
        const QStringList oneTwo{"1", "2"};
        const Call row12 = call("appendContent(QString)", QString("1;2"));
        const Call first = call("appendSubTitle1(QString)", QString("S"));
        const Call second = call("appendSubTitle2(QString)", QString("U"));
        const QList<QStringList> section{{}, {"S"}, {"U"}, head, oneTwo};
        QTest::newRow("sheet name") << Calls{call("setSheetName(QString)", QString("Befunde")), row12} << "Befunde"
                                    << QList<QStringList>{head, oneTwo};
        QTest::newRow("title") << Calls{call("setTitle(QString)", QString("Heading")), row12} << "Sheet1"
                               << QList<QStringList>{{"Heading"}, head, oneTwo};
        QTest::newRow("subtitle") << Calls{call("setSubTitle(QString)", QString("Below")), row12} << "Sheet1"
                                  << QList<QStringList>{{"Below"}, head, oneTwo};
        // Queued texts are split when taken, with the separator set by then.
        QTest::newRow("separator") << Calls{call("appendContent(QString)", QString("1|2;3")),
                                            call("setSeparator(QString)", QString("|"))}
                                   << "Sheet1" << QList<QStringList>{head, {"1", "2;3"}};
        QTest::newRow("sub-separator") << Calls{first, second, call("appendContent(QString)", QString("1;2#3;4")),
                                                call("setSubSeparator(QString)", QString("#"))}
                                       << "Sheet1" << (section + QList<QStringList>{{"3", "4"}});
        QTest::newRow("both separators swapped")
            << Calls{first, second, call("appendContent(QString)", QString("1|2;3|4")),
                     call("setSeparator(QString)", QString("|")), call("setSubSeparator(QString)", QString(";"))}
            << "Sheet1" << (section + QList<QStringList>{{"3", "4"}});
        QTest::newRow("content replaces the queue") << Calls{call("appendContent(QString)", QString("old;row")),
                                                             call("setContent(QStringList)", QStringList{"1;2", "3;4"})}
                                                    << "Sheet1" << QList<QStringList>{head, oneTwo, {"3", "4"}};
        // Two queued first subtitles against one second would give plain rows.
        QTest::newRow("first subtitles replaced")
            << Calls{call("appendSubTitle1(QString)", QString("x")), call("appendSubTitle1(QString)", QString("y")),
                     call("setSubTitle1(QStringList)", QStringList{"S"}), second, row12}
            << "Sheet1" << section;
        QTest::newRow("second subtitles replaced") << Calls{first, call("appendSubTitle2(QString)", QString("x")),
                                                            call("appendSubTitle2(QString)", QString("y")),
                                                            call("setSubTitle2(QStringList)", QStringList{"U"}), row12}
                                                   << "Sheet1" << section;
        QTest::newRow("sections set whole")
            << Calls{call("setSubTitle1(QStringList)", QStringList{"S", ""}),
                     call("setSubTitle2(QStringList)", QStringList{"U", "V"}),
                     call("setContent(QStringList)", QStringList{"1;2", "3;4|5;6"})}
            << "Sheet1" << (section + QList<QStringList>{{}, {"V"}, head, {"3", "4"}, {"5", "6"}});
    }
    void workbookSetters()
    {
        QFETCH(Calls, calls);
        QFETCH(QString, sheet);
        QFETCH(QList<QStringList>, rows);
        const QString name = testFile("setters.xls");
        ExcelThread *worker = excel(name);
        QCOMPARE(failedCall(worker, calls), QByteArray());
        QVERIFY(worker->open());
        worker->start();
        worker->stop();
        QVERIFY(worker->wait(20000));
        QVERIFY(worker->close());
        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.sheetName, sheet);
        QCOMPARE(book.allTexts(), rows);
    }

    // Each setter, called by name, shows in the table the preview renders
    // and on the printer it renders on.
    void printSetters_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<QString>("table"); // after the table start
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("borderWidth");
        const Call row12 = call("appendContent(QString)", QString("1;2"));
        const Call first = call("appendSubTitle1(QString)", QString("S"));
        const Call second = call("appendSubTitle2(QString)", QString("U"));
        const QString section = kSpacer + subTitleRow("S") + subTitleRow("U") + kHeader + cells("1", "2");
        const int portrait = QPageLayout::Portrait;
        const int a4 = QPageSize::A4;
        QTest::newRow("subtitle") << Calls{call("setSubTitle(QString)", QString("Below")), row12}
                                  << subTitleRow("Below") + kHeader + cells("1", "2") << portrait << a4 << 1;
        QTest::newRow("separator") << Calls{call("appendContent(QString)", QString("1|2;3")),
                                            call("setSeparator(QString)", QString("|"))}
                                   << kHeader + cells("1", "2;3") << portrait << a4 << 1;
        QTest::newRow("sub-separator") << Calls{first, second, call("appendContent(QString)", QString("1;2#3;4")),
                                                call("setSubSeparator(QString)", QString("#"))}
                                       << section + cells("3", "4") << portrait << a4 << 1;
        QTest::newRow("content replaces the queue")
            << Calls{call("appendContent(QString)", QString("old;row")),
                     call("setContent(QStringList)", QStringList{"1;2", "3;4"})}
            << kHeader + cells("1", "2") + cells("3", "4") << portrait << a4 << 1;
        QTest::newRow("first subtitles replaced")
            << Calls{call("appendSubTitle1(QString)", QString("x")), call("appendSubTitle1(QString)", QString("y")),
                     call("setSubTitle1(QStringList)", QStringList{"S"}), second, row12}
            << section << portrait << a4 << 1;
        QTest::newRow("second subtitles replaced") << Calls{first, call("appendSubTitle2(QString)", QString("x")),
                                                            call("appendSubTitle2(QString)", QString("y")),
                                                            call("setSubTitle2(QStringList)", QStringList{"U"}), row12}
                                                   << section << portrait << a4 << 1;
        // Texts compare as texts: "50" sorts before "5".
        QTest::newRow("check type") << Calls{call("setCheckColumnIndex(int)", 0),
                                             call("setCheckValue(QString)", QString("5")),
                                             call("setCheckType(QString)", QString("<")),
                                             call("appendContent(QString)", QString("3;a")),
                                             call("appendContent(QString)", QString("50;b"))}
                                    << kHeader + redCells("3", "a") + cells("50", "b") << portrait << a4 << 1;
        // Kept with the settings but the table's border is fixed.
        QTest::newRow("border width") << Calls{call("setBorderWidth(int)", 4), row12} << kHeader + cells("1", "2")
                                      << portrait << a4 << 4;
        QTest::newRow("landscape") << Calls{call("setOrientation(QPrinter::Orientation)",
                                                 QVariant::fromValue(QPrinter::Landscape)),
                                            row12}
                                   << kHeader + cells("1", "2") << int(QPageLayout::Landscape) << a4 << 1;
        QTest::newRow("A5") << Calls{call("setPageSize(QPrinter::PageSize)", QVariant::fromValue(QPrinter::A5)), row12}
                            << kHeader + cells("1", "2") << portrait << int(QPageSize::A5) << 1;
    }
    void printSetters()
    {
        QFETCH(Calls, calls);
        QFETCH(QString, table);
        QFETCH(int, orientation);
        QFETCH(int, pageSize);
        QFETCH(int, borderWidth);
        PrintThread *worker = printer();
        QCOMPARE(failedCall(worker, calls), QByteArray());
        QPageLayout layout;
        int shown = 0;
        PrintPreview::setRunner([&](QPrintPreviewDialog *dialog) {
            layout = dialog->printer()->pageLayout();
            ++shown;
        });
        worker->print();
        QCOMPARE(shown, 1);
        QCOMPARE(worker->markup().join(QString()), kStart + table);
        QCOMPARE(int(layout.orientation()), orientation);
        QCOMPARE(int(layout.pageSize().id()), pageSize);
        QCOMPARE(worker->settings().borderWidth, borderWidth);
    }

    // The PDF a run writes takes the page size and orientation set by name.
    void printRunPage_data()
    {
        QTest::addColumn<QPrinter::Orientation>("orientation");
        QTest::addColumn<QPrinter::PageSize>("pageSize");
        QTest::addColumn<QSize>("points");
        QTest::newRow("A4 portrait") << QPrinter::Portrait << QPrinter::A4 << QSize(595, 842);
        QTest::newRow("A5 landscape") << QPrinter::Landscape << QPrinter::A5 << QSize(595, 420);
        QTest::newRow("Letter landscape") << QPrinter::Landscape << QPrinter::Letter << QSize(792, 612);
    }
    void printRunPage()
    {
        QFETCH(QPrinter::Orientation, orientation);
        QFETCH(QPrinter::PageSize, pageSize);
        QFETCH(QSize, points);
        const QString name = testFile("page.pdf");
        QFile::remove(name);
        PrintThread *worker = printer(name);
        const Calls calls{call("setOrientation(QPrinter::Orientation)", QVariant::fromValue(orientation)),
                          call("setPageSize(QPrinter::PageSize)", QVariant::fromValue(pageSize)),
                          call("appendContent(QString)", QString("1;2"))};
        QCOMPARE(failedCall(worker, calls), QByteArray());
        QVERIFY(worker->open());
        worker->start();
        worker->stop();
        QVERIFY(worker->wait(60000));
        QCOMPARE(pdfPagePoints(name), points);
    }

    // The list setters replace the queues while the worker empties them:
    // from several threads at once, each list is taken whole (a row's
    // partner row always comes with it), nothing crashes and the list set
    // last, once the callers are done, reaches the file.
    void listSettersRaceTheWorker()
    {
        const QString name = testFile("race.xls");
        ExcelThread *worker = excel(name);
        QVERIFY(worker->open());
        worker->start();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(runThreads(4, [&clock](int t) {
            ExcelThread *target = ExcelThread::getInstance();
            for (int i = 0; clock.elapsed() < 300; ++i) {
                const QString id = QString("%1-%2").arg(t).arg(i);
                setLists(target, {"S" + id}, {"U" + id}, {id + ";a", id + ";b"});
            }
        }));
        QVERIFY(setLists(worker, {}, {}, {"last;row"}));
        worker->stop();
        QVERIFY(worker->wait(20000));
        QVERIFY(worker->close());

        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        const QList<QStringList> rows = book.allTexts();
        QCOMPARE(rows.last(), (QStringList{"last", "row"}));
        QSet<QString> firstHalves, secondHalves;
        QList<QStringList> strays;
        const QRegularExpression id("^\\d-\\d+$");
        for (const QStringList &r : rows.mid(0, rows.size() - 1)) {
            if (r.size() == 2 && id.match(r.at(0)).hasMatch() && r.at(1) == "a")
                firstHalves << r.at(0);
            else if (r.size() == 2 && id.match(r.at(0)).hasMatch() && r.at(1) == "b")
                secondHalves << r.at(0);
            else if (!(r.isEmpty() || r == QStringList{"A", "B"} ||
                       (r.size() == 1 && QRegularExpression("^[SU]\\d-\\d+$").match(r.at(0)).hasMatch())))
                strays << r;
        }
        QCOMPARE(strays, QList<QStringList>());
        QVERIFY(!firstHalves.isEmpty());
        QCOMPARE(firstHalves, secondHalves);
    }
};

VIREON_TEST_MAIN(TestExportThreads)
#include "tst_exportthreads.moc"
