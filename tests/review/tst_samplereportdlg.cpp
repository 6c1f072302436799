#include "support/testenv.h"

#include "pages/historyfixture.h"

#include "core/common.h"
#include "core/systemconfig.h"
#include "review/drawprinttemplate.h"
#include "review/reportoutput.h"
#include "review/reportrecord.h"
#include "review/samplereportdlg.h"
#include "shell/filedialogs.h"
#include "shell/widgets/datetimeeditdialog.h"
#include "shell/widgets/messagedialog.h"

#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

using HistoryFixture::row;

Q_DECLARE_METATYPE(QPrinter *)

class TestSampleReportDlg : public QObject
{
    Q_OBJECT

private:
    DbManage m_db;
    const QStringList m_run{"2024030100003", "2024030100001", "2024030100002"};

    template <typename T> static T *child(QWidget *w, const char *name) { return w->findChild<T *>(name); }
    static quint64 paints() { return DrawPrintTemplate::getInstance()->paintCount(); }

    // The dialog shown for these keys, or for the three-sample run.
    std::unique_ptr<SampleReportDlg> open(const QStringList &keys = QStringList())
    {
        auto dlg = std::make_unique<SampleReportDlg>();
        dlg->setAttribute(Qt::WA_DeleteOnClose, false);
        dlg->updateDialog(QVariant(keys.isEmpty() ? m_run : keys));
        dlg->resize(1400, 900);
        dlg->show();
        return dlg;
    }

    // Runs a poppler tool; a missing or failing tool fails the test.
    static QString tool(const QString &name, const QStringList &args)
    {
        QProcess p;
        p.start(name, args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            QTest::qFail(qPrintable(name + " failed (poppler-utils installed?): " + p.readAllStandardError()), __FILE__,
                         __LINE__);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    static int pdfPages(const QString &pdf)
    {
        const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(tool("pdfinfo", {pdf}));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    // One line per embedded image: width and height.
    static QList<QSize> pdfImages(const QString &pdf)
    {
        QList<QSize> sizes;
        const QStringList lines = tool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        for (int i = 2; i < lines.size(); ++i) {
            const QStringList cols = lines.at(i).split(' ', Qt::SkipEmptyParts);
            if (cols.size() > 4)
                sizes << QSize(cols.at(3).toInt(), cols.at(4).toInt());
        }
        return sizes;
    }
    // Bounding box of the pixels that are not white; null for none.
    static QRect inkOf(const QImage &image)
    {
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }
    static QStringList pdfsIn(const QString &folder) { return QDir(folder).entryList({"*.pdf"}, QDir::Files); }
    static void restoreFolders()
    {
        for (const QString &path : {QStringLiteral("./app/print"), QStringLiteral("./app/PdfFile")}) {
            if (QFileInfo(path).isFile())
                QFile::remove(path);
            QDir(path).removeRecursively();
            QDir().mkpath(path);
        }
    }

    static DemoSampleRow curveRow(const QString &key, const QString &sampleId, const QString &date, const QString &time,
                                  int result = 0, double ct = 25.0, int panel = 1)
    {
        DemoSampleRow r = row(key, sampleId, "0", result, date, time, ct, panel);
        for (int i = 0; i < 40; ++i)
            r.prodata[i] = static_cast<quint16>(key.right(2).toInt() * 100 + i);
        return r;
    }

    // Runs that differ from one another by a second, a sample or a day.
    static bool seedRuns()
    {
        return HistoryFixture::replaceWith({
            curveRow("2024030100011", "S1", "20240301", "090000"),
            curveRow("2024030100012", "S1", "20240301", "090000"),
            curveRow("2024030100013", "S1", "20240301", "090000"),
            curveRow("2024030100014", "S1", "20240301", "090001"), // one second later: another run
            curveRow("2024030100015", "S2", "20240301", "090000"), // another sample
            curveRow("2024030100016", "S1", "20240302", "090000"), // another day
            curveRow("2024030100017", "O'Brien", "20240301", "090000"),
            curveRow("2024030100018", "O'Brien", "20240301", "090000"),
            row("2024030100019", "S1", "0", 0, "20240301", "090000", 20.0, 1, 0), // not done
        });
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QPrinter *>();
        QVERIFY(m_db.openDatabase());
        QVERIFY(m_db.checkTables());
    }
    void init()
    {
        QVector<DemoSampleRow> rows{
            row("2024030100001", "S1", "0", 0, "20240301", "090000", 23.5),
            row("2024030100002", "S1", "1", 1, "20240301", "090000"),
            row("2024030100003", "S1", "2", 2, "20240301", "090000", 31.0),
            row("2024030100004", "S2", "0", 0, "20240301", "090000"),
        };
        for (DemoSampleRow &r : rows)
            for (int i = 0; i < 40; ++i)
                r.prodata[i] = static_cast<quint16>(i * 10);
        QVERIFY(HistoryFixture::replaceWith(rows));
        for (const char *field :
             {"pet_owner=Alice", "pet_owner_tel=Beagle", "pet_name=Rex", "pet_sample_type=Blood", "pet_type=Dog",
              "pet_age=3", "pet_Num=C-17", "pet_symptom=fever\ncough", "pet_gender=1", "InspectorName=555-0101",
              "DoctorName=Dr. Who", "HospitalName=Clinic", "HospitalAddress=1 Main St", "HospitalPhone=555-0100"})
            TestEnv::seedIni({{"PrintConfig/" + QString(field).section('=', 0, 0), QString(field).section('=', 1)}});
        TestEnv::seedIni({{"PdfConfig/PdfSavepath", QString()}, {"SystemConfig/SystemLanguage", 0}});
        restoreFolders();
        MessageDialog::clearShownTexts();
        FileDialogs::clearPending();
        SampleReportDlg::setPreviewRunnerForTesting({});
    }

    // Anything but a list with a known first key closes the dialog at once.
    void refusedPayloads_data()
    {
        QTest::addColumn<QVariant>("payload");
        QTest::newRow("nothing") << QVariant();
        QTest::newRow("empty list") << QVariant(QStringList{});
        QTest::newRow("empty first key") << QVariant(QStringList{"", "2024030100001"});
        QTest::newRow("unknown key") << QVariant(QStringList{"2099010100001"});
    }
    void refusedPayloads()
    {
        QFETCH(QVariant, payload);
        SampleReportDlg dlg;
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        dlg.updateDialog(payload);
        QCOMPARE(events.count(), 1);
        QCOMPARE(events.first().value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QVERIFY(!dlg.reportPage());
    }

    // Opening fills the form from the settings and paints once, with the
    // stored sex: the form and the page never disagree.
    void openingFillsFormAndPreview()
    {
        const quint64 before = paints();
        auto dlg = open();
        QCOMPARE(paints() - before, quint64(1));
        QCOMPARE(child<QStackedWidget>(dlg.get(), "stackedWidget")->currentIndex(), 1);
        QCOMPARE(child<QLabel>(dlg.get(), "hospitalNameLabel")->text(), QString("Clinic"));
        QCOMPARE(child<QLabel>(dlg.get(), "hospitalAddrLabel")->text(), QString("1 Main St"));
        QCOMPARE(child<QLabel>(dlg.get(), "hospitalNumLabel")->text(), QString("555-0100"));
        QVERIFY(!child<QLineEdit>(dlg.get(), "data_lineEdit")->isEnabled());
        for (const char *hidden : {"btnPrint_2", "label_29", "lineEdit_25", "pushButton"})
            QVERIFY2(child<QWidget>(dlg.get(), hidden)->isHidden(), hidden);

        // The record is built from the form: it shows what the form holds.
        const ReportRecord &r = dlg->record();
        QCOMPARE(r.petInfo, (QStringList{"Alice", "Rex", "Dog", "2024.03.01", "Beagle", "母", "3", "Blood", "C-17"}));
        QCOMPARE(r.symptom, QStringList{"fever\ncough"});
        QCOMPARE(r.hospitalInfo.value(2), QString("555-0101"));
        QCOMPARE(r.hospitalInfo.value(3), QString("Dr. Who"));
        QCOMPARE(r.dataList.size(), 3);
        QCOMPARE(r.dataList.first().value(1), QString("31"));
        QCOMPARE(r.CurveData.size(), 3);
        QCOMPARE(dlg->reportPage()->size(), QSize(4000, 5600));
        QCOMPARE(dlg->previewLabel()->pixmap(Qt::ReturnByValue).size(), QSize(800, 1120));
        QCOMPARE(dlg->pairedKeys(), m_run);
    }

    void sexButtons_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("gender");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("sexText");
        QTest::newRow("traditional, male") << 0 << 0 << 60 << QString("radioButton") << QString("公");
        QTest::newRow("spanish, female") << 2 << 1 << 110 << QString("radioButton_2") << QString("母");
        QTest::newRow("english, unknown") << 1 << 2 << 80 << QString("radioButton_3") << QString("未知");
        QTest::newRow("simplified, odd value") << 3 << 7 << 60 << QString("radioButton_3") << QString("未知");
        QTest::newRow("japanese, negative") << 5 << -1 << 80 << QString("radioButton_3") << QString("未知");
    }
    void sexButtons()
    {
        QFETCH(int, language);
        QFETCH(int, gender);
        QFETCH(int, width);
        QFETCH(QString, checked);
        QFETCH(QString, sexText);
        SystemConfig::getInstance()->setSystemLanguage(language);
        SystemConfig::getInstance()->setPetGender(gender);
        auto dlg = open();
        for (const char *name : {"radioButton", "radioButton_2", "radioButton_3"})
            QCOMPARE(child<QRadioButton>(dlg.get(), name)->minimumWidth(), width);
        QVERIFY(child<QRadioButton>(dlg.get(), qPrintable(checked))->isChecked());
        QCOMPARE(dlg->record().petInfo.value(5), sexText);
        // A click on another button repaints with its text.
        auto *male = child<QRadioButton>(dlg.get(), "radioButton");
        QTest::mouseClick(male, Qt::LeftButton, {}, QPoint(6, male->height() / 2)); // on the indicator
        QTRY_COMPARE(dlg->record().petInfo.value(5), QString("公"));
    }

    // Typing repaints the page; only the doctor and the contact phone are
    // stored at once, the rest waits for an export or a print.
    void typingRebuildsTheRecord_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("petIndex");
        QTest::addColumn<int>("hospitalIndex");
        QTest::newRow("owner") << QString("lineEdit") << QString("pet_owner") << 0 << -1;
        QTest::newRow("breed") << QString("lineEdit_2") << QString("pet_owner_tel") << 4 << -1;
        QTest::newRow("pet name") << QString("lineEdit_3") << QString("pet_name") << 1 << -1;
        QTest::newRow("sample type") << QString("lineEdit_4") << QString("pet_sample_type") << 7 << -1;
        QTest::newRow("pet type") << QString("lineEdit_5") << QString("pet_type") << 2 << -1;
        QTest::newRow("age") << QString("lineEdit_6") << QString("pet_age") << 6 << -1;
        QTest::newRow("case number") << QString("lineEdit_11") << QString("pet_Num") << 8 << -1;
        QTest::newRow("doctor") << QString("lineEdit_10") << QString("DoctorName") << -1 << 3;
        QTest::newRow("contact phone") << QString("lineEdit_9") << QString("InspectorName") << -1 << 2;
    }
    void typingRebuildsTheRecord()
    {
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(int, petIndex);
        QFETCH(int, hospitalIndex);
        auto dlg = open();
        auto *edit = child<QLineEdit>(dlg.get(), qPrintable(field));
        const QString before = edit->text();
        const QString stored = TestEnv::iniValue("PrintConfig/" + key).toString();
        const quint64 paintsBefore = paints();
        edit->setFocus();
        QTest::keyClicks(edit, "0123456789");
        const QString typed = before + "0123456789";
        QCOMPARE(TestEnv::iniValue("PrintConfig/" + key).toString(), hospitalIndex >= 0 ? typed : stored);
        QTRY_COMPARE(petIndex >= 0 ? dlg->record().petInfo.value(petIndex)
                                   : dlg->record().hospitalInfo.value(hospitalIndex),
                     typed);
        QVERIFY(paints() - paintsBefore >= 1);
        QVERIFY(paints() - paintsBefore <= 10);
    }

    // Keystrokes queued faster than the page paints are painted once.
    void burstIsPaintedOnce()
    {
        auto dlg = open();
        const quint64 before = paints();
        auto *owner = child<QLineEdit>(dlg.get(), "lineEdit");
        for (const QString text : {"A", "Al", "Ali", "Alic", "Alice!"}) {
            owner->setText(text);
            emit owner->textEdited(text);
        }
        child<QTextEdit>(dlg.get(), "symptomTextEdit")->setPlainText("none");
        QCOMPARE(paints(), before);
        dlg->flushPrintTemplate();
        QCOMPARE(paints(), before + 1);
        QCOMPARE(dlg->record().petInfo.value(0), QString("Alice!"));
        QCOMPARE(dlg->record().symptom, QStringList{"none"});
        QCoreApplication::processEvents();
        QCOMPARE(paints(), before + 1);
    }

    // The export saves the form, writes the report image and one A4 PDF holding that one image, wherever the settings
    // say. A failed image or PDF is said so, and the bar stays short of its end.
    void exportWritesImageAndPdf_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("broken"); // "delete": default folders deleted meanwhile
        QTest::newRow("default folders deleted meanwhile") << QString() << QString("delete");
        QTest::newRow("hospital page folder") << QString("clinic-pdfs") << QString();
        QTest::newRow("pdf folder cannot exist") << QString() << QString("pdf");
        QTest::newRow("print folder is a file") << QString() << QString("print");
    }
    void exportWritesImageAndPdf()
    {
        QFETCH(QString, folder);
        QFETCH(QString, broken);
        const QString message = broken == "pdf"     ? "PDF檔案保存失敗，請檢查存儲路徑！"
                                : broken == "print" ? "報告圖片保存失敗！"
                                                    : "";
        QString target = "./app/PdfFile";
        if (!folder.isEmpty()) {
            target = TestEnv::instance()->path(folder);
            QVERIFY(QDir().mkpath(target));
            SystemConfig::getInstance()->setPdfSavepath(target);
        }
        auto dlg = open();
        const QString blocker = TestEnv::instance()->path("blocker"); // a file where a folder should be
        QFile(blocker).open(QIODevice::WriteOnly);
        if (broken == "delete") {
            QVERIFY(QDir("./app/print").removeRecursively());
            QVERIFY(QDir("./app/PdfFile").removeRecursively());
        } else if (broken == "pdf") {
            child<QLineEdit>(dlg.get(), "lineEdit_25")->setText(blocker + "/pdfs");
        } else if (broken == "print") {
            QVERIFY(QDir("./app/print").removeRecursively());
            QVERIFY(QFile::copy(blocker, "./app/print"));
        }
        // An edit still waiting for its paint is on the exported page.
        auto *owner = child<QLineEdit>(dlg.get(), "lineEdit");
        owner->setText("Bob");
        emit owner->textEdited("Bob");
        const QStringList before = pdfsIn(target);
        if (!message.isEmpty())
            MessageDialog::pushNextAnswer(1);
        QTest::mouseClick(child<QToolButton>(dlg.get(), "toolButton"), Qt::LeftButton);
        auto *bar = child<QProgressBar>(dlg.get(), "progressBar");
        QCOMPARE(MessageDialog::shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QVERIFY(bar->value() < bar->maximum());
            QVERIFY(pdfsIn("./app/PdfFile").isEmpty());
            return;
        }
        QCOMPARE(dlg->record().petInfo.value(0), QStringLiteral("Bob"));
        QCOMPARE(TestEnv::iniValue("PrintConfig/pet_owner").toString(), QStringLiteral("Bob"));
        QCOMPARE(TestEnv::iniValue("PrintConfig/pet_gender").toInt(), 1);
        QCOMPARE(bar->value(), bar->maximum());

        QImageReader image("./app/print/Sample.bmp");
        QCOMPARE(image.format(), QByteArray("bmp"));
        QCOMPARE(image.size(), QSize(4000, 5600));
        QStringList added = pdfsIn(target);
        for (const QString &name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QVERIFY2(QRegularExpression("^PCR檢測報告\\d{14}\\.pdf$").match(added.first()).hasMatch(),
                 qPrintable(added.first()));
        const QString pdf = target + "/" + added.first();
        QCOMPARE(pdfPages(pdf), 1);
        QVERIFY(tool("pdfinfo", {pdf}).contains("(A4)"));
        QCOMPARE(pdfImages(pdf), QList<QSize>{QSize(4000, 5600)});
    }

    // The print preview is the real one on a real printer; its pages are
    // drawn from this report's image, never from an earlier export's HTML.
    void printPreview_data()
    {
        QTest::addColumn<bool>("imageWritable");
        QTest::newRow("printed") << true;
        QTest::newRow("image cannot be saved") << false;
    }
    void printPreview()
    {
        QFETCH(bool, imageWritable);
        auto dlg = open();
        QTest::mouseClick(child<QToolButton>(dlg.get(), "toolButton"), Qt::LeftButton); // leaves HTML behind
        QCOMPARE(dlg->htmlLines().size(), 1);
        const QString pdf = TestEnv::instance()->path(QString("printed-%1.pdf").arg(imageWritable));
        bool ran = false;
        SampleReportDlg::setPreviewRunnerForTesting([&](QPrintPreviewDialog *preview) {
            ran = true;
            QVERIFY(preview->windowFlags() & Qt::WindowStaysOnTopHint);
            QSignalSpy painted(preview, &QPrintPreviewDialog::paintRequested);
            if (!imageWritable) {
                QVERIFY(QDir("./app/print").removeRecursively());
                QFile f("./app/print");
                QVERIFY(f.open(QIODevice::WriteOnly));
            }
            preview->show(); // the preview widget asks for its pages
            QTRY_VERIFY(painted.count() >= 1);
            preview->close();
            QPrinter file(QPrinter::ScreenResolution);
            file.setOutputFormat(QPrinter::PdfFormat);
            file.setOutputFileName(pdf);
            emit preview->paintRequested(&file);
        });
        MessageDialog::pushNextAnswer(1);
        QTest::mouseClick(child<QToolButton>(dlg.get(), "btnPrint"), Qt::LeftButton);
        QVERIFY(ran);
        QCOMPARE(dlg->htmlLines(), QStringList());
        QCOMPARE(pdfImages(pdf).size(), imageWritable ? 1 : 0);
        QCOMPARE(MessageDialog::shownTexts(), imageWritable ? QStringList() : QStringList{"報告圖片保存失敗！"});
        QCOMPARE(TestEnv::iniValue("PrintConfig/pet_owner").toString(), QString("Alice"));
    }

    // A cancelled folder chooser keeps the folder the hospital page set.
    void folderChooser()
    {
        SystemConfig::getInstance()->setPdfSavepath("/keep/this");
        auto dlg = open();
        auto *path = child<QLineEdit>(dlg.get(), "lineEdit_25");
        QCOMPARE(path->text(), QString("/keep/this"));
        QVERIFY(path->isReadOnly());
        for (const QString &chosen : {QString(), QString("/new/place")}) {
            FileDialogs::pushNextFileName(chosen);
            dlg->on_pushButton_clicked();
            QCOMPARE(FileDialogs::lastRequest().kind, QString("directory"));
            const QString expected = chosen.isEmpty() ? "/keep/this" : chosen;
            QCOMPARE(path->text(), expected);
            QCOMPARE(TestEnv::iniValue("PdfConfig/PdfSavepath").toString(), expected);
        }
    }

    // A database replaced under the open dialog leaves its report as it was.
    void databaseReplacedWhileOpen()
    {
        auto dlg = open();
        const QList<QStringList> rows = dlg->record().dataList;
        QCOMPARE(rows.size(), 3);
        QVERIFY(HistoryFixture::clear());
        auto *owner = child<QLineEdit>(dlg.get(), "lineEdit");
        owner->setFocus();
        QTest::keyClicks(owner, "z");
        QTRY_COMPARE(dlg->record().petInfo.value(0), QString("Alicez"));
        QCOMPARE(dlg->record().dataList, rows);
        QCOMPARE(dlg->record().CurveData.size(), 3);
    }

    // The date field is read-only; a press opens the date editor, and a cancelled editor leaves the date as it was.
    void datePressOpensEditor()
    {
        auto dlg = open();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        auto *date = child<QLineEdit>(dlg.get(), "data_lineEdit");
        QStringList texts;
        ModalAnswerer::answerNext(0, &texts);
        QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY2(texts.contains("日期编辑"), qPrintable(texts.join('|')));
        QCOMPARE(date->text(), QString("2024.03.01"));
        // Every press's editor is gone once it closed: three presses leave no window behind.
        for (int press = 0; press < 3; ++press) {
            ModalAnswerer::answerNext(0);
            QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(10, 10));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int editors = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            editors += qobject_cast<DatetimeEditDialog *>(window) != nullptr;
        QCOMPARE(editors, 0);
        dlg->calendarWidget_data_change(QDate(2024, 5, 6));
        QTRY_COMPARE(dlg->record().petInfo.value(3), QString("2024.05.06"));
    }

    // The PDF's image follows the resolution, 5:7, clamped to the page body from about 120 dpi; the printout is the
    // report's own size (92 % of the A4 width, 5:7), which the print path's 10 mm margins leave room for. Each is one
    // page holding the one image.
    void outputFitsOnePage_data()
    {
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<QSize>("print");
        QTest::newRow("96 dpi") << 96.0 << QSize(730, 1022);
        QTest::newRow("120 dpi") << 120.0 << QSize(912, 1276);
        QTest::newRow("192 dpi") << 192.0 << QSize(1460, 2044);
    }
    void outputFitsOnePage()
    {
        QFETCH(qreal, dpi);
        QFETCH(QSize, print);
        QPixmap page(400, 560);
        page.fill(Qt::gray);
        const QString image = TestEnv::instance()->path("small.bmp");
        const bool saved = page.save(image, "BMP");
        QVERIFY(saved);

        const QSize html = ReportOutput::htmlImageSize(dpi);
        if (dpi < 120)
            QCOMPARE(html, print);
        QCOMPARE(html.width(), html.height() * 5 / 7);
        const QString pdf = TestEnv::instance()->path(QString("fit-%1.pdf").arg(dpi));
        const bool pdfOk = ReportOutput::writePdf(ReportOutput::htmlPage(image, html), pdf, dpi, false, QPageSize::A4);
        QVERIFY(pdfOk);
        QCOMPARE(pdfPages(pdf), 1);
        QCOMPARE(pdfImages(pdf).size(), 1);

        QCOMPARE(ReportOutput::printImageSize(dpi), print);
        // The print path's printer, writing a file to count its pages.
        QPrinter printer(QPrinter::ScreenResolution);
        ReportOutput::setUpPrinter(&printer);
        printer.setResolution(qRound(dpi));
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString printed = TestEnv::instance()->path(QString("print-%1.pdf").arg(dpi));
        printer.setOutputFileName(printed);
        QCOMPARE(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        ReportOutput::printHtml(ReportOutput::htmlPage(image, print), &printer);
        QCOMPARE(pdfPages(printed), 1);
        QCOMPARE(pdfImages(printed).size(), 1);
    }

    // Only paired keys of the first key's run, newest key first, whatever the order of the keys.
    void pairingAndOrder_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("sampleId");
        QTest::addColumn<QStringList>("expected"); // last two digits of the keys
        const auto add = [](const char *name, const QStringList &keys, const char *id, const QStringList &expected) {
            QTest::newRow(name) << keys << QString(id) << expected;
        };
        add("keys shuffled", {"2024030100012", "2024030100013", "2024030100011"}, "S1", {"13", "12", "11"});
        add("some keys of the run", {"2024030100011", "2024030100013"}, "S1", {"13", "11"});
        add("foreign keys skipped",
            {"2024030100012", "2024030100014", "2024030100015", "2024030100016", "2024030100019"}, "S1", {"12"});
        add("unknown key adds nothing", {"2024030100011", "2099010100001"}, "S1", {"11"});
        add("empty key list", {}, "S1", {});
        add("quote in the sample id", {"2024030100017", "2024030100018"}, "O'Brien", {"18", "17"});
        add("quote that would end the text", {"2024030100011"}, "S1' OR '1'='1", {});
    }
    void pairingAndOrder()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, sampleId);
        QFETCH(QStringList, expected);
        QVERIFY(seedRuns());
        const QDate date(2024, 3, 1);
        const QTime t(9, 0);
        QList<QStringList> rows;
        QList<QList<int>> curves;
        QCOMPARE(ReportRecord::loadRun(keys, sampleId, date, t, &rows, &curves), !expected.isEmpty());
        QCOMPARE(rows.size(), curves.size());
        QStringList got;
        for (const QList<int> &c : curves) {
            got << QString::number(c.first() / 100);
            for (int i = 0; i < 40; ++i)
                QCOMPARE(c.value(i, -1), c.first() / 100 * 100 + i);
            QCOMPARE(c.size(), 40);
        }
        QCOMPARE(got, expected);
        for (const QStringList &r : rows)
            QCOMPARE(r.size() == 4 ? r.at(3) : QString(), sampleId);
        // The single-list reads agree with the combined one.
        QCOMPARE(ReportRecord::loadResultList(keys, sampleId, date, t), rows);
        QCOMPARE(ReportRecord::loadCurveData(keys, sampleId, date, t), curves);
    }

    // Item name, Ct text and mark of one record.
    void rowTexts_data()
    {
        QTest::addColumn<double>("ct");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("ctText");
        QTest::addColumn<QString>("mark");
        QTest::newRow("no amplification") << 41.0 << 1 << 1 << QString("0") << QString("-");
        QTest::newRow("just above 41") << 41.0000001 << 0 << 2 << QString("41") << QString("++");
        QTest::newRow("six digits") << 23.456789 << 3 << 3 << QString("23.4568") << QString("+++");
        QTest::newRow("whole number") << 30.0 << 2 << 6 << QString("30") << QString("+");
        QTest::newRow("suspect") << 37.5 << 4 << 12 << QString("37.5") << QString("*");
        QTest::newRow("invalid") << 8.25 << 5 << 22 << QString("8.25") << QString("Invalid");
        QTest::newRow("code 6") << 20.0 << 6 << 1 << QString("20") << QString();
        QTest::newRow("negative code") << 20.0 << -1 << 1 << QString("20") << QString();
        QTest::newRow("panel without a name") << 20.0 << 0 << 999 << QString("20") << QString("++");
    }
    void rowTexts()
    {
        QFETCH(double, ct);
        QFETCH(int, result);
        QFETCH(int, panel);
        QFETCH(QString, ctText);
        QFETCH(QString, mark);
        QVERIFY(HistoryFixture::insert({curveRow("2024040100001", "T", "20240401", "100000", result, ct, panel)}));
        const QList<QStringList> rows =
            ReportRecord::loadResultList({"2024040100001"}, "T", QDate(2024, 4, 1), QTime(10, 0));
        QSqlQuery().exec("DELETE FROM SampleInfoTable WHERE Key='2024040100001'");
        QCOMPARE(rows, (QList<QStringList>{{Common::getInstance()->getItemName(panel), ctText, mark, "T"}}));
    }

    // The report header texts come from the settings.
    void hospitalInfoAndRebuild()
    {
        QVERIFY(seedRuns()); // the header texts are those init() seeds
        const QString today = QLocale::c().toString(QDate::currentDate(), "yyyy.MM.dd");
        ReportRecord a;
        a.hospitalInfo = ReportRecord::hospitalInfoFromSettings();
        QCOMPARE(a.hospitalInfo, (QStringList{"Clinic", today, "555-0101", "Dr. Who", "1 Main St", "555-0100"}));

        const QStringList keys{"2024030100013", "2024030100011", "2024030100012"};
        const bool ok = ReportRecord::loadRun(keys, "S1", QDate(2024, 3, 1), QTime(9, 0), &a.dataList, &a.CurveData);
        QVERIFY(ok);
        QCOMPARE(a.dataList.size(), 3);

        // A second read replaces the lists: nothing stays from the first.
        ReportRecord::loadRun({}, "S1", QDate(2024, 3, 1), QTime(9, 0), &a.dataList, &a.CurveData);
        QVERIFY(a.dataList.isEmpty());
        QVERIFY(a.CurveData.isEmpty());
    }

    // The time stamp's field order (the export checks only its shape).
    void pdfFileName()
    {
        QCOMPARE(ReportOutput::pdfFileName(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))),
                 QString("PCR檢測報告20240305140709.pdf"));
    }

    // Page 0's result list: three centred columns, 10 points, in rows of the
    // label's height over the row count, or over twice the count below eight
    // rows. No rows leave the list blank.
    void pageZeroResultList_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rowsInHeight"); // 0: no ink at all
        QTest::newRow("seven rows, fourteen in the height") << 7 << 14;
        QTest::newRow("eight rows fill it") << 8 << 8;
        QTest::newRow("ten rows fill it") << 10 << 10;
        QTest::newRow("no rows") << 0 << 0;
    }
    void pageZeroResultList()
    {
        QFETCH(int, count);
        QFETCH(int, rowsInHeight);
        auto dlg = open();
        dlg->on_btnPrint_2_clicked();
        QLabel *label = child<QLabel>(dlg.get(), "Reselts_label");
        QTRY_VERIFY(label->height() >= 556);
        QList<QStringList> rows;
        for (int k = 0; k < count; ++k)
            rows << QStringList{QString("Item%1").arg(k), QString::number(20.5 + k), k % 2 ? "-" : "++", "S1"};
        dlg->drawResultList(rows);
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(shown.size(), label->size());

        QPixmap expected(label->size());
        expected.fill(Qt::white);
        QPainter p(&expected);
        QFont font = label->font();
        font.setPointSize(10);
        p.setFont(font);
        const int w = label->width() / 3;
        const int h = rowsInHeight ? label->height() / rowsInHeight : 0;
        for (int k = 0; k < count; ++k)
            for (int c = 0; c < 3; ++c)
                p.drawText(QRect(c * w, k * h, w, h), Qt::AlignCenter, rows[k][c]);
        p.end();
        QCOMPARE(shown, expected.toImage());
        // The ink keeps to the rows: nothing below the last one.
        const QRect ink = inkOf(shown);
        QVERIFY(ink.bottom() < count * h);
        QCOMPARE(ink.isNull(), count == 0);
    }

    // Page 0's curves: one path of every curve over a dashed grid, numbered
    // up to the range that loading the curves keeps (800, or a third above
    // the largest last value beyond 800).
    void pageZeroCurves_data()
    {
        QTest::addColumn<int>("last");  // the first curve's last value; the rest of it is 600
        QTest::addColumn<int>("early"); // its 11th value
        QTest::addColumn<int>("range");
        QTest::newRow("exactly 800") << 800 << 600 << 800;
        QTest::newRow("801") << 801 << 600 << 1068;
        QTest::newRow("only the last values count") << 700 << 5000 << 800;
    }
    void pageZeroCurves()
    {
        QFETCH(int, last);
        QFETCH(int, early);
        QFETCH(int, range);
        DemoSampleRow a = row("2024050100001", "C", "0", 0, "20240501", "100000", 25.0);
        DemoSampleRow b = row("2024050100002", "C", "1", 0, "20240501", "100000", 25.0);
        for (int i = 0; i < 40; ++i) {
            a.prodata[i] = 600;
            b.prodata[i] = 300;
        }
        a.prodata[10] = static_cast<quint16>(early);
        a.prodata[39] = static_cast<quint16>(last);
        QVERIFY(HistoryFixture::replaceWith({a, b}));
        auto dlg = open({"2024050100001", "2024050100002"});
        dlg->on_btnPrint_2_clicked();
        QLabel *label = child<QLabel>(dlg.get(), "line_label");
        QTRY_VERIFY(label->width() >= 868);
        QTRY_VERIFY(label->height() >= 600);
        dlg->drawCurveChart();
        const QImage shown = label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), label->size());
        QCOMPARE(dlg->m_curveRange, range);

        // The chart inside margins of 40 left, 16 top and right, 24 below:
        // cycle 1 on its left edge, 40 on its right, 0 on its bottom edge.
        const QRect plot = QRect(QPoint(0, 0), label->size()).adjusted(40, 16, -16, -24);
        auto curveAt = [&](int value) {
            const int x = qRound(plot.left() + (plot.width() - 1) * 25 / 39.0);
            const int y = qRound(plot.bottom() - (plot.height() - 1) * double(value) / range);
            bool found = false;
            for (int dy = -1; dy <= 1; ++dy) {
                const QRgb c = shown.pixel(x, y + dy);
                found |= qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 100;
            }
            return found;
        };
        QVERIFY(curveAt(600));
        QVERIFY(curveAt(300));
        QVERIFY(!curveAt(450));
        QVERIFY(!curveAt(range == 800 ? 400 : 600 * range / 800)); // where another range would put them

        // The top of the scale reads the range, 5 points, right-aligned beside the top line.
        QPixmap expected(label->size());
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.setRenderHint(QPainter::Antialiasing, true);
        QFont font = label->font();
        font.setPointSize(5);
        p.setFont(font);
        const QRect topNumber(0, plot.top() - 8, 36, 16);
        p.drawText(topNumber, Qt::AlignRight | Qt::AlignVCenter, QString::number(range));
        p.end();
        QCOMPARE(shown.copy(topNumber), expected.toImage().convertToFormat(QImage::Format_RGB32).copy(topNumber));
        QVERIFY(!inkOf(shown.copy(topNumber)).isNull());

        // The top grid line is dashed: grey and white along it.
        int grey = 0, white = 0;
        for (int x = plot.left() + 1; x < plot.center().x(); ++x) {
            const QRgb c = shown.pixel(x, plot.top());
            grey += qGray(c) < 240;
            white += c == qRgb(255, 255, 255);
        }
        QVERIFY(grey > 20);
        QVERIFY(white > 20);
    }
};

VIREON_TEST_MAIN(TestSampleReportDlg)
#include "tst_samplereportdlg.moc"
