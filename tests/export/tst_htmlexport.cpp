#include "export/workbookreader.h"

#include "export/htmltable.h"
#include "export/pdfapi.h"
#include "export/printapi.h"
#include "export/printpreview.h"
#include "export/printthread.h"

#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>

namespace {
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

class TestHtmlExport : public QObject
{
    Q_OBJECT

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

    // The markup made in each row, compared whole between the table's start and end.
    void singleTableMarkup_data()
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
    }
    void singleTableMarkup()
    {
        QFETCH(QString, markup);
        QFETCH(QString, expected);
        QCOMPARE(markup, expected);
    }

    void sectionedMarkup()
    {
        const HtmlTable::Check check{1, "==", "d"};
        const QString markup =
            HtmlTable::sectioned("", {"A", "B"}, {10, 20}, {"S1", "S2"}, {"", "U2"}, {"a|b;c|d", "e"}, check)
                .join(QString());
        const QString spacer = "<tr><td colspan='2'></td></tr>";
        const QString sub = "<tr><td align='left' style='vertical-align:middle;' colspan='2'>%1</td></tr>";
        const QString expected = kStart + spacer + sub.arg("S1") + kHeader + row({td(10, "a"), td(20, "b")}) +
                                 row({red(10, "c"), red(20, "d")}) + spacer + sub.arg("S2") + sub.arg("U2") + kHeader +
                                 row({td(10, "e")}) + "</table>";
        QCOMPARE(markup, expected);
    }

    void pdfHoldsTheTable_data()
    {
        QTest::addColumn<bool>("sectioned");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("single portrait") << false << false;
        QTest::newRow("sectioned landscape") << true << true;
    }
    void pdfHoldsTheTable()
    {
        QFETCH(bool, sectioned);
        QFETCH(bool, landscape);
        const QString name = testFile("table.pdf");
        QStringList words{"Heading", "Alpha", "Beta"};
        QStringList content;
        for (int i = 0; i < 40; ++i) {
            words << QString("Cell%1x").arg(i);
            content << QString("Cell%1x").arg(i) + (sectioned ? "|A&B" : ";A&B");
        }
        PdfAPI *pdf = PdfAPI::getInstance();
        QVERIFY(sectioned ? pdf->savePdf(name, "Heading", {"Alpha", "Beta"}, {80, 80}, {"Sub"}, {}, {content.join(';')},
                                         landscape)
                          : pdf->savePdf(name, "Heading", "", {"Alpha", "Beta"}, {80, 80}, content, landscape));
        QCOMPARE(missingFrom(pdfText(name), words + QStringList{"A&B", sectioned ? "Sub" : "Heading"}), QStringList());
        QVERIFY(!PdfAPI::getInstance()->savePdf(testFile("missing/dir/x.pdf"), "T", "", {"A"}, {10}, {"1"}));
    }

    // Every paint request of one preview, the print from the dialog
    // included, renders the whole table.
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
        QVERIFY(worker->useTime() >= 0);
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

    // Runs last: ending the program must stop and join the running worker.
    void leftRunningAtProgramEnd()
    {
        PrintThread *worker = printWorker({"A"}, {10}, testFile("left.pdf"));
        QVERIFY(worker->open());
        worker->start();
        worker->appendContent(QString("x"));
        QVERIFY(worker->isRunning());
    }
};

VIREON_TEST_MAIN(TestHtmlExport)
#include "tst_htmlexport.moc"
