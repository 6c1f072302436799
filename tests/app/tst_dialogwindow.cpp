#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "pages/historydata.h"
#include "pages/historyfixture.h"
#include "review/samplereportdlg.h"
#include "support/testenv.h"

#include <QPushButton>
#include <QTableView>

// The sample dialogs as the real main window opens them through the real
// factories: windows of their own that the user can move and close, and
// that never outlive the main window.
class TstDialogWindow : public QObject
{
    Q_OBJECT
    DbManage m_db;

    static HistoryData *historyPage(Vireon &w)
    {
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        return qobject_cast<HistoryData *>(w.currentPage());
    }
    // The query dialog works on the history page's access object; the report shows a key of the three-well run.
    static QVariant payloadFor(int type, Vireon &w)
    {
        HistoryData *page = historyPage(w);
        return type == IDialogWidget::DLG_SAMPLE_QUERY ? QVariant::fromValue<QObject *>(page->access())
                                                       : QVariant(QStringList{"2024030100002"});
    }
    static void selectKey(HistoryData *page, const QString &key)
    {
        auto *view = page->findChild<QTableView *>(QStringLiteral("tableView"));
        const QList<SampleInfoModel *> &models = page->access()->m_listModel;
        for (int r = 0; r < models.size(); ++r) {
            if (models.at(r)->Key == key)
                return view->selectionModel()->select(view->model()->index(r, 0),
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        QFAIL(qPrintable("no row for " + key));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.openDatabase() && m_db.checkTables());
        QVector<DemoSampleRow> rows = HistoryFixture::runs("RUN3", {"090000"}, 3, "20240301");
        rows += HistoryFixture::runs("RUN2", {"100000"}, 2, "20240302");
        QVERIFY(HistoryFixture::replaceWith(rows));
    }

    // The real factories: one singleton page per page id, a new parentless
    // dialog per request, and nothing for the ids without a page or dialog.
    void pagesByIdAreSingletons_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("className"); // empty: no page
        const char *const classes[] = {"MachineConnect", "MachineOtherSet",  "RealTimeCurve",
                                       "HistoryData",    "DataManageWidget", "HospitalInfoEdit",
                                       "SystemLanSet",   "HelpAndFAQ",       "CheckUpdateWidget"};
        for (int id = 0; id < 9; ++id)
            QTest::newRow(classes[id]) << id << QString(classes[id]);
        QTest::newRow("id 9") << 9 << QString();
        QTest::newRow("id -1") << -1 << QString();
    }
    void pagesByIdAreSingletons()
    {
        QFETCH(int, id);
        QFETCH(QString, className);
        const auto type = static_cast<IFunWidget::WidgetType>(id);
        IFunWidget *page = FunWidgetFactory::getFunWidget(type);
        QCOMPARE(bool(page), !className.isEmpty());
        if (!page)
            return;
        QCOMPARE(QString(page->metaObject()->className()), className);
        QCOMPARE(FunWidgetFactory::getFunWidget(type), page);
        QPointer<IFunWidget> guard(page);
        page->releaseInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete guard.data(); // a page that only hides itself
    }

    void dialogsAreNewEachTime_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("className"); // empty: no dialog
        const char *const classes[] = {"", "SampleQueryDlg", "SampleReportDlg", "", "SampleSplineDlg"};
        for (int type = 0; type < 5; ++type)
            QTest::newRow(qPrintable(QString::number(type))) << type << QString(classes[type]);
    }
    void dialogsAreNewEachTime()
    {
        QFETCH(int, type);
        QFETCH(QString, className);
        const auto dialogType = static_cast<IDialogWidget::DialogType>(type);
        std::unique_ptr<IDialogWidget> a(DialogWidgetFactory::getDialogWidget(dialogType));
        QCOMPARE(bool(a), !className.isEmpty());
        if (!a)
            return;
        std::unique_ptr<IDialogWidget> b(DialogWidgetFactory::getDialogWidget(dialogType));
        QVERIFY(b && a != b);
        QCOMPARE(QString(a->metaObject()->className()), className);
        QVERIFY(!a->parent() && a->testAttribute(Qt::WA_DeleteOnClose));
    }

    // The opened dialog is a framed, titled window. Escape and the window's
    // close button end it the same way: it is deleted, reports
    // DLG_EVENT_CLOSE, and the page is shown again.
    void escapeAndCloseButtonEndTheDialog_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("closes");
        const int query = IDialogWidget::DLG_SAMPLE_QUERY;
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        QTest::newRow("query, Escape") << query << true << none << true;
        QTest::newRow("report, Escape") << int(IDialogWidget::DLG_SAMPLE_REPORT) << true << none << true;
        QTest::newRow("query, Shift+Escape stays")
            << query << true << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("query, close button") << query << false << none << true;
    }
    void escapeAndCloseButtonEndTheDialog()
    {
        QFETCH(int, type);
        QFETCH(bool, escape);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, closes);
        Vireon w;
        w.show();
        w.switchDialogWidgetSlot(type, payloadFor(type, w));
        QPointer<IFunWidget> page = w.currentPage();
        QPointer<IDialogWidget> d = w.currentDialog();
        QVERIFY(d && d->isWindow() && d->isVisible() && !(d->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(d->windowHandle()->flags() & Qt::FramelessWindowHint, Qt::WindowFlags());
        QCOMPARE(d->windowTitle(), type == IDialogWidget::DLG_SAMPLE_QUERY ? QString("查詢") : QString("報告"));
        if (type == IDialogWidget::DLG_SAMPLE_REPORT)
            QVERIFY(d->width() <= 1450 && d->height() <= 900);
        QSignalSpy events(d.data(), &IDialogWidget::sendEvent);
        if (escape) {
            // Sent to the focused child, as a key press of the user reaches it.
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d.data(), Qt::Key_Escape, modifiers);
        } else {
            QCloseEvent close; // what the window system's close button does
            QApplication::sendEvent(d->windowHandle(), &close);
        }
        if (!closes) {
            QCoreApplication::processEvents();
            QVERIFY(d && d->isVisible() && w.currentDialog() == d.data());
            return;
        }
        QTRY_VERIFY(d.isNull());
        QCOMPARE(QList<QVariantList>(events), QList<QVariantList>{{int(IDialogWidget::DLG_EVENT_CLOSE)}});
        QVERIFY(!w.currentDialog() && page && w.currentPage() == page);
    }

    // The history page's report action: the run of the selected key, newest
    // first; a second request closes the first dialog and opens a new one.
    void reportActionOpensTheRunsReport()
    {
        Vireon w;
        w.show();
        QPointer<HistoryData> page = historyPage(w);
        QVERIFY(page);
        auto *report = page->findChild<QPushButton *>(QStringLiteral("btnReport1"));
        selectKey(page, "2024030100002");
        QVERIFY(report->isEnabled());
        QTest::mouseClick(report, Qt::LeftButton);
        QPointer<SampleReportDlg> first = qobject_cast<SampleReportDlg *>(w.currentDialog());
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->pairedKeys(), (QStringList{"2024030100003", "2024030100002", "2024030100001"}));

        selectKey(page, "2024030200001");
        QTest::mouseClick(report, Qt::LeftButton);
        QPointer<SampleReportDlg> second = qobject_cast<SampleReportDlg *>(w.currentDialog());
        QVERIFY(second && second != first);
        QTRY_VERIFY(first.isNull()); // it reports CLOSE on its way out
        QCoreApplication::processEvents();
        QCOMPARE(w.currentDialog(), second.data());
        QCOMPARE(second->pairedKeys(), (QStringList{"2024030200002", "2024030200001"}));
        second->close();
        QTRY_VERIFY(second.isNull());
        QVERIFY(!w.currentDialog() && w.currentPage() == page.data());
    }

    // Closing the main window while a dialog is open ends the program through
    // its orderly shutdown, as closing it alone does.
    void closingTheMainWindowEndsTheProgram_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("no dialog") << 0;
        QTest::newRow("query open") << int(IDialogWidget::DLG_SAMPLE_QUERY);
        QTest::newRow("report open") << int(IDialogWidget::DLG_SAMPLE_REPORT);
    }
    void closingTheMainWindowEndsTheProgram()
    {
        QFETCH(int, type);
        Vireon w;
        w.start(); // shows the window, starts the worker, hooks the quit signal
        QVERIFY(w.networkThread() && w.networkThread()->isRunning());
        QPointer<IDialogWidget> d;
        if (type != 0) {
            w.switchDialogWidgetSlot(type, payloadFor(type, w));
            d = w.currentDialog();
            QVERIFY(d && d->isVisible());
        }
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, &w, [&w]() { w.close(); });
        // A program that does not end is stopped with another code.
        QTimer::singleShot(10000, &w, []() { QCoreApplication::exit(3); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!w.networkThread()->isRunning()); // the shutdown ran
        QTRY_VERIFY(d.isNull());
        QVERIFY(!w.currentDialog());
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->metaObject()->className()));
    }
};

VIREON_TEST_MAIN(TstDialogWindow)
#include "tst_dialogwindow.moc"
