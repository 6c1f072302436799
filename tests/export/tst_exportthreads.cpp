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

// A slot reached through the meta-object by its signature, with its one
// argument (none when invalid), the way a queued or scripted caller does.
struct Call {
    QByteArray slot;
    QVariant arg;
};
Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(const QMetaObject *)
Q_DECLARE_METATYPE(QPrinter::Orientation)
Q_DECLARE_METATYPE(QPrinter::PageSize)
using Calls = QVector<Call>;

namespace {
// The first call whose slot is missing or takes another type; empty when all ran.
QByteArray failedCall(QObject *object, const Calls &calls)
{
    const QMetaObject *meta = object->metaObject();
    for (const Call &c : calls) {
        const int index = meta->indexOfSlot(QMetaObject::normalizedSignature(c.slot.constData()).constData());
        const QMetaMethod method = meta->method(index);
        const bool ran =
            index >= 0 &&
            (method.parameterCount() == 0
                 ? method.invoke(object, Qt::DirectConnection)
                 : method.parameterType(0) == c.arg.userType() &&
                       method.invoke(object, Qt::DirectConnection,
                                     QGenericArgument(method.parameterTypes().at(0).constData(), c.arg.constData())));
        if (!ran)
            return c.slot;
    }
    return QByteArray();
}

// The calls both workers take: "1;2" in one row, the first section's two
// subtitles, the separators and the three list setters over older entries.
const Call kRow12{"appendContent(QString)", QString("1;2")};
const Call kFirst{"appendSubTitle1(QString)", QString("S")};
const Call kSecond{"appendSubTitle2(QString)", QString("U")};
// Rows split at "|" and sections at "#", both set after the text is queued.
const Calls kSeparators{kFirst,
                        kSecond,
                        {"appendContent(QString)", QString("1|2;3#4|5")},
                        {"setSeparator(QString)", QString("|")},
                        {"setSubSeparator(QString)", QString("#")}};
const Calls kListsOverQueued{{"appendSubTitle1(QString)", QString("x")},
                             {"appendSubTitle1(QString)", QString("y")},
                             {"appendSubTitle2(QString)", QString("x")},
                             {"appendContent(QString)", QString("old;row")},
                             {"setSubTitle1(QStringList)", QStringList{"S", ""}},
                             {"setSubTitle2(QStringList)", QStringList{"U", "V"}},
                             {"setContent(QStringList)", QStringList{"1;2", "3;4|5;6"}}};

// Markup pieces of the HTML table, written out independently of the table code.
const QString kStart = "<table border='0.5' cellspacing='0' cellpadding='3'>";
QString td(int width, const QString &text, const QString &attributes = QString())
{
    return QString("<td width='%1' ").arg(width) + attributes + "align='center' style='vertical-align:middle;'>" +
           text + "</td>";
}
QString cells(const QString &a, const QString &b, const QString &font = QString())
{
    const QString end = font.isEmpty() ? QString() : "</font>";
    return "<tr>" + td(10, font + a + end) + td(20, font + b + end) + "</tr>";
}
const QString kHeader = "<tr>" + td(10, "A", "bgcolor='lightgray' ") + td(20, "B", "bgcolor='lightgray' ") + "</tr>";
const QString kSpacer = "<tr><td colspan='2'></td></tr>";
QString subTitleRow(const QString &text)
{
    return "<tr><td align='left' style='vertical-align:middle;' colspan='2'>" + text + "</td></tr>";
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
    static PrintThread *printer()
    {
        PrintThread *worker = PrintThread::getInstance();
        worker->init();
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
        QTest::addColumn<const QMetaObject *>("meta");
        QTest::addColumn<QByteArray>("signatures");
        const QByteArray setters =
            "setTitle(QString) setSubTitle(QString) setSubTitle1(QStringList) "
            "setSubTitle2(QStringList) setContent(QStringList) setSeparator(QString) "
            "setSubSeparator(QString) setColumnNames(QList<QString>) setColumnWidths(QList<int>) ";
        const QByteArray appends = "appendSubTitle1(QString) appendSubTitle2(QString) appendContent(QString)";
        QTest::newRow("workbook thread")
            << &ExcelThread::staticMetaObject
            << "appendHead() appendDocument() appendBorder() appendStyle() appendTable() appendColumn() appendEnd() "
               "appendContent(QStringList) take() setFileName(QString) setSheetName(QString) " +
                   setters +
                   "setRandomColor(bool) setColorColumn(QList<int>) setBorderWidth(int) setCheckColumnIndex(int) "
                   "setCheckType(QString) setCheckValue(QString) init() open() close() stop() " +
                   appends;
        QTest::newRow("print thread")
            << &PrintThread::staticMetaObject
            << "appendHead() appendTitle() appendColumn() appendEnd() appendContent(QStringList) take() "
               "printView(QPrinter*) setFileName(QString) " +
                   setters +
                   "setBorderWidth(int) setCheckColumnIndex(int) setCheckType(QString) setCheckValue(QString) "
                   "setOrientation(QPrinter::Orientation) setPageSize(QPrinter::PageSize) init() open() stop() "
                   "print() " +
                   appends;
    }
    void slotsInTheirOrder()
    {
        QFETCH(const QMetaObject *, meta);
        QFETCH(QByteArray, signatures);
        QByteArrayList wrong;
        int previous = -1;
        for (const QByteArray &signature : signatures.split(' ')) {
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
    // run writes; the list setters replace what was queued before them and
    // queued texts are split when taken, with the separators set by then.
    void workbookSetters_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QList<QStringList>>("rows");
        const QStringList head{"A", "B"};
        const QList<QStringList> section{{}, {"S"}, {"U"}, head, {"1", "2"}};
        QTest::newRow("sheet name, title and subtitle")
            << Calls{{"setSheetName(QString)", QString("Befunde")},
                     {"setTitle(QString)", QString("Heading")},
                     {"setSubTitle(QString)", QString("Below")},
                     kRow12}
            << "Befunde" << QList<QStringList>{{"Heading"}, {"Below"}, head, {"1", "2"}};
        QTest::newRow("separators") << kSeparators << "Sheet1"
                                    << (QList<QStringList>{{}, {"S"}, {"U"}, head, {"1", "2;3"}, {"4", "5"}});
        QTest::newRow("lists replace the queues")
            << kListsOverQueued << "Sheet1" << (section + QList<QStringList>{{}, {"V"}, head, {"3", "4"}, {"5", "6"}});
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

    // Each setter, called by name, shows in the table the preview renders.
    void printSetters_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<QString>("table"); // after the table start
        const QString section = kSpacer + subTitleRow("S") + subTitleRow("U") + kHeader + cells("1", "2");
        QTest::newRow("subtitle") << Calls{{"setSubTitle(QString)", QString("Below")}, kRow12}
                                  << subTitleRow("Below") + kHeader + cells("1", "2");
        QTest::newRow("separators") << kSeparators
                                    << kSpacer + subTitleRow("S") + subTitleRow("U") + kHeader + cells("1", "2;3") +
                                           cells("4", "5");
        QTest::newRow("lists replace the queues")
            << kListsOverQueued << section + kSpacer + subTitleRow("V") + kHeader + cells("3", "4") + cells("5", "6");
        // Texts compare as texts: "50" sorts before "5".
        QTest::newRow("check type") << Calls{{"setCheckColumnIndex(int)", 0},
                                             {"setCheckValue(QString)", QString("5")},
                                             {"setCheckType(QString)", QString("<")},
                                             {"appendContent(QString)", QString("3;a")},
                                             {"appendContent(QString)", QString("50;b")}}
                                    << kHeader + cells("3", "a", "<font color='red'>") + cells("50", "b");
    }
    void printSetters()
    {
        QFETCH(Calls, calls);
        QFETCH(QString, table);
        PrintThread *worker = printer();
        QCOMPARE(failedCall(worker, calls), QByteArray());
        PrintPreview::setRunner([](QPrintPreviewDialog *) {});
        worker->print();
        QCOMPARE(worker->markup().join(QString()), kStart + table);
    }

    // Orientation and page size set by name reach the preview's printer and,
    // set up apart from it, the page of the PDF a run writes (pdfinfo's points).
    void printPageSetup()
    {
        const QString name = testFile("page.pdf");
        QFile::remove(name);
        PrintThread *worker = printer();
        worker->setFileName(name);
        const Calls calls{{"setOrientation(QPrinter::Orientation)", QVariant::fromValue(QPrinter::Landscape)},
                          {"setPageSize(QPrinter::PageSize)", QVariant::fromValue(QPrinter::A5)},
                          kRow12};
        QCOMPARE(failedCall(worker, calls), QByteArray());
        QVERIFY(worker->open());
        worker->start();
        worker->stop();
        QVERIFY(worker->wait(60000));
        QPageLayout layout;
        PrintPreview::setRunner([&](QPrintPreviewDialog *dialog) { layout = dialog->printer()->pageLayout(); });
        worker->print();
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
        QCOMPARE(layout.pageSize().id(), QPageSize::A5);
        const QString tool = QStandardPaths::findExecutable("pdfinfo");
        QVERIFY2(!tool.isEmpty(), "pdfinfo (poppler-utils) is needed");
        QProcess info;
        info.start(tool, {name});
        QVERIFY(info.waitForFinished(60000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QCOMPARE(QRegularExpression(R"(Page size:\s+(.*) pts)").match(out).captured(1), QString("595 x 420"));
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
                failedCall(target, {{"setSubTitle1(QStringList)", QStringList{"S" + id}},
                                    {"setSubTitle2(QStringList)", QStringList{"U" + id}},
                                    {"setContent(QStringList)", QStringList{id + ";a", id + ";b"}}});
            }
        }));
        const Calls last{{"setSubTitle1(QStringList)", QStringList()},
                         {"setSubTitle2(QStringList)", QStringList()},
                         {"setContent(QStringList)", QStringList{"last;row"}}};
        QCOMPARE(failedCall(worker, last), QByteArray());
        worker->stop();
        QVERIFY(worker->wait(20000));
        QVERIFY(worker->close());

        const Workbook book = readWorkbook(name);
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        const QList<QStringList> rows = book.allTexts();
        QCOMPARE(rows.last(), (QStringList{"last", "row"}));
        QSet<QString> firstHalves, secondHalves;
        QList<QStringList> strays;
        for (const QStringList &r : rows.mid(0, rows.size() - 1)) {
            const QString line = r.join(';');
            const QRegularExpressionMatch half = QRegularExpression("^(\\d-\\d+);([ab])$").match(line);
            if (half.hasMatch())
                (half.captured(2) == "a" ? firstHalves : secondHalves) << half.captured(1);
            else if (!QRegularExpression("^(|A;B|[SU]\\d-\\d+)$").match(line).hasMatch())
                strays << r;
        }
        QCOMPARE(strays, QList<QStringList>());
        QVERIFY(!firstHalves.isEmpty());
        QCOMPARE(firstHalves, secondHalves);
    }
};

VIREON_TEST_MAIN(TestExportThreads)
#include "tst_exportthreads.moc"
