#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "pages/historydata.h"
#include "pages/historyfixture.h"
#include "review/samplequerydlg.h"
#include "review/samplereportdlg.h"
#include "shell/widgets/messagedialog.h"
#include "support/testenv.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>

using HistoryFixture::row;

// The sample dialogs as the real main window opens them through the real factories: windows of their own that the user
// can move and close, and that never outlive the main window; the query dialog's checks and filter.
class TstDialogWindow : public QObject
{
    Q_OBJECT
    DbManage m_db;

    template <typename T> static T *child(QWidget *w, const char *name) { return w->findChild<T *>(name); }
    static void click(SampleQueryDlg *dlg) { QTest::mouseClick(child<QPushButton>(dlg, "btnQuery"), Qt::LeftButton); }
    static QDate day(int d) { return QDate(2024, 3, d); }
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

    static SampleQueryDlg *openQuery(Vireon &w, HistoryData *page)
    {
        QTest::mouseClick(child<QPushButton>(page, "btnQuery"), Qt::LeftButton);
        return qobject_cast<SampleQueryDlg *>(w.currentDialog());
    }
    static void querySample(SampleQueryDlg *dlg, const QString &id)
    {
        child<QTabWidget>(dlg, "tabWidget")->setCurrentIndex(1);
        child<QLineEdit>(dlg, "ch_sampleIdLineEdit_2")->setText(id);
        MessageDialog::pushNextAnswer(1);
        click(dlg);
    }

    // The query dialog's rows: "1A" also inside "21A9", a quote, a row not done and a future run.
    static bool seedQueryRows()
    {
        return HistoryFixture::replaceWith({
            row("2024030100001", "1A", "0", 0, "20240301", "090000"),
            row("2024030100002", "1A", "1", 1, "20240301", "090000"),
            row("2024030100003", "21A9", "0", 2, "20240301", "100000"),
            row("2024030200001", "O'Brien", "0", 0, "20240302", "090000"),
            row("2024030200002", "O'Brien", "1", 1, "20240302", "090000"),
            row("2024030300001", "B1", "0", 0, "20240303", "090000"),
            row("2024030300002", "B1", "1", 0, "20240303", "090000", 41.0, 1, 0),
            row(QDate::currentDate().addDays(3).toString("yyyyMMdd") + "00001", "FUTURE", "0", 0,
                QDate::currentDate().addDays(3).toString("yyyyMMdd"), "090000"),
        });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.openDatabase());
        QVERIFY(m_db.checkTables());
        QVector<DemoSampleRow> rows = HistoryFixture::runs("RUN3", {"090000"}, 3, "20240301");
        rows += HistoryFixture::runs("RUN2", {"100000"}, 2, "20240302");
        QVERIFY(HistoryFixture::replaceWith(rows));
    }
    void cleanup()
    {
        if (HistoryData *page = HistoryData::getInstance())
            page->releaseInstance();
        MessageDialog::clearShownTexts();
    }

    // The real factories: one singleton page per page id, a new parentless dialog per request, and nothing for the ids
    // without a page or dialog. A page deleted by anyone (as a scroll area would) leaves no dangling pointer: the next
    // request builds a new page; a release deletes it (but the update page's).
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
        delete page;
        QPointer<IFunWidget> second = FunWidgetFactory::getFunWidget(type);
        QVERIFY(second);
        second->releaseInstance();
        if (type == IFunWidget::WGT_CHECK_UPDATE) // the one page whose release only hides it
            delete second.data();
        QVERIFY(!second);
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
        QVERIFY(b);
        QVERIFY(a != b);
        QCOMPARE(QString(a->metaObject()->className()), className);
        QVERIFY(!a->parent());
        QVERIFY(a->testAttribute(Qt::WA_DeleteOnClose));
    }

    // The opened dialog is a framed, titled window. Escape and the window's close button end it the same way: it is
    // deleted, reports DLG_EVENT_CLOSE, and the page is shown again.
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
        QVERIFY(d);
        QVERIFY(d->isWindow());
        QVERIFY(d->isVisible());
        QCOMPARE(d->windowFlags() & Qt::FramelessWindowHint, Qt::WindowFlags());
        QCOMPARE(d->windowHandle()->flags() & Qt::FramelessWindowHint, Qt::WindowFlags());
        QCOMPARE(d->windowTitle(), type == IDialogWidget::DLG_SAMPLE_QUERY ? QString("查詢") : QString("報告"));
        if (type == IDialogWidget::DLG_SAMPLE_REPORT) {
            QVERIFY2(d->width() <= 1450, qPrintable(QString::number(d->width())));
            QVERIFY2(d->height() <= 900, qPrintable(QString::number(d->height())));
        }
        QSignalSpy events(d.data(), &IDialogWidget::sendEvent);
        QCloseEvent close; // what the window system's close button does
        if (escape)        // to the focused child, as a key press of the user reaches it
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d.data(), Qt::Key_Escape, modifiers);
        else
            QApplication::sendEvent(d->windowHandle(), &close);
        if (!closes) {
            QCoreApplication::processEvents();
            QVERIFY(d);
            QVERIFY(d->isVisible());
            QCOMPARE(w.currentDialog(), d.data());
            return;
        }
        QTRY_VERIFY(d.isNull());
        QCOMPARE(events.count(), 1);
        QCOMPARE(events.first().value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QVERIFY(!w.currentDialog());
        QVERIFY(page);
        QCOMPARE(w.currentPage(), page.data());
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
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->pairedKeys(), (QStringList{"2024030100003", "2024030100002", "2024030100001"}));

        selectKey(page, "2024030200001");
        QTest::mouseClick(report, Qt::LeftButton);
        QPointer<SampleReportDlg> second = qobject_cast<SampleReportDlg *>(w.currentDialog());
        QVERIFY(second);
        QVERIFY(second != first);
        QTRY_VERIFY(first.isNull()); // it reports CLOSE on its way out
        QCoreApplication::processEvents();
        QCOMPARE(w.currentDialog(), second.data());
        QCOMPARE(second->pairedKeys(), (QStringList{"2024030200002", "2024030200001"}));
        second->close();
        QTRY_VERIFY(second.isNull());
        QVERIFY(!w.currentDialog());
        QCOMPARE(w.currentPage(), page.data());
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
        QVERIFY(w.networkThread());
        QVERIFY(w.networkThread()->isRunning());
        QPointer<IDialogWidget> d;
        if (type != 0) {
            w.switchDialogWidgetSlot(type, payloadFor(type, w));
            d = w.currentDialog();
            QVERIFY(d);
            QVERIFY(d->isVisible());
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

    // Only a live access object is accepted; anything else closes at once.
    void payloadMustBeTheAccessObject()
    {
        SampleInfoAccess access;
        QPointer<QObject> gone(new SampleInfoAccess);
        delete gone.data();
        QObject other;
        QVariantList refused{QVariant(int(quintptr(&access))), QVariant(-1), QVariant(), QVariant::fromValue(gone)};
        refused << QVariant::fromValue<QObject *>(&other) << QVariant::fromValue<QObject *>(nullptr);
        for (const QVariant &payload : refused) {
            SampleQueryDlg dlg;
            QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
            dlg.updateDialog(payload);
            QCOMPARE(events.count(), 1);
            QCOMPARE(events.first().value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        }

        TestEnv::seedIni({{"DateConfig/DateFormat", 4}});
        const auto restoreFormat = qScopeGuard([] { TestEnv::seedIni({{"DateConfig/DateFormat", 0}}); });
        SampleQueryDlg dlg;
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        dlg.updateDialog(QVariant::fromValue<QObject *>(&access));
        QCOMPARE(events.count(), 0);
        QCOMPARE(child<QTabWidget>(&dlg, "tabWidget")->currentIndex(), 0);
        for (const char *name : {"nu_startDateEdit", "nu_endDateEdit", "nu_startDateEdit_4", "nu_endDateEdit_4"}) {
            QCOMPARE(child<QDateEdit>(&dlg, name)->displayFormat(), QString("dd-MM-yyyy"));
            QCOMPARE(child<QDateEdit>(&dlg, name)->date(), QDate::currentDate());
        }
    }

    // Each tab's checks: a refused query shows its message, sends nothing and leaves the filter alone; an accepted one
    // filters and updates. The time tab ignores whatever the first tab's sample field holds.
    void queryChecks_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("sampleId");  // of the first tab
        QTest::addColumn<QString>("sampleId2"); // of the second tab
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString dates = "起止日期輸入錯誤，請重新輸入!";
        const QString badId = "樣本ID輸入錯誤，請重新輸入!";
        const QString none = "未查詢到滿足條件的數據!";
        const QString a = "1A";
        QTest::newRow("sample and time, dates reversed") << 0 << a << QString() << 5 << 4 << dates;
        QTest::newRow("sample and time, no sample") << 0 << QString() << QString() << 5 << 5 << badId;
        QTest::newRow("sample and time, nothing found") << 0 << a << QString() << 5 << 5 << none;
        QTest::newRow("sample and time, one day") << 0 << a << QString() << 1 << 1 << QString();
        QTest::newRow("sample, no sample") << 1 << a << QString() << 1 << 1 << badId;
        QTest::newRow("sample, only a future run") << 1 << QString() << QString("FUTURE") << 1 << 1 << none;
        QTest::newRow("time, dates reversed") << 2 << QString() << QString() << 2 << 1 << dates;
        QTest::newRow("time, one day") << 2 << QString("O'Brien") << QString() << 1 << 1 << QString();
    }
    void queryChecks()
    {
        QVERIFY(seedQueryRows());
        QFETCH(int, tab);
        QFETCH(QString, sampleId);
        QFETCH(QString, sampleId2);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, message);
        SampleInfoAccess access;
        SampleQueryDlg dlg;
        dlg.updateDialog(QVariant::fromValue<QObject *>(&access));
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        child<QTabWidget>(&dlg, "tabWidget")->setCurrentIndex(tab);
        child<QLineEdit>(&dlg, "ch_sampleIdLineEdit")->setText(sampleId);
        child<QLineEdit>(&dlg, "ch_sampleIdLineEdit_2")->setText(sampleId2);
        for (const char *name : {"nu_startDateEdit", "nu_startDateEdit_4", "nu_endDateEdit", "nu_endDateEdit_4"})
            child<QDateEdit>(&dlg, name)->setDate(day(QByteArray(name).contains("start") ? from : to));
        MessageDialog::pushNextAnswer(1); // a wrong message must not wait in a modal loop
        click(&dlg);
        const bool accepted = message.isEmpty();
        QCOMPARE(MessageDialog::shownTexts(), accepted ? QStringList() : QStringList{message});
        QCOMPARE(events.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(events.first().value(0).toInt(), int(IDialogWidget::DLG_EVENT_UPDATE));
        QCOMPARE(access.m_bFilter, accepted);
        QCOMPARE(access.m_strFilter.isEmpty(), !accepted);
        if (!accepted)
            return;
        QCOMPARE(access.getModel(0, 100), 3);
        QStringList ids;
        for (const SampleInfoModel *m : access.m_listModel)
            ids << m->SampleId;
        QCOMPARE(ids, QStringList({"21A9", "1A", "1A"}));
    }

    // Page, dialog and the real window together: "1A" shows exactly what the dialog counted, "O'Brien" finds its rows,
    // and "取消查詢" restores everything; the dialog may outlive the page.
    void queryFiltersThePageThenCancels()
    {
        QVERIFY(seedQueryRows());
        Vireon w;
        HistoryData *page = historyPage(w);
        auto *query = child<QPushButton>(page, "btnQuery");
        auto *counter = child<QLabel>(page, "testLab");
        QCOMPARE(counter->text(), QString("5/7"));

        for (const QString &id : {QString("1A"), QString("O'Brien")}) {
            SampleInfoAccess probe;
            const int expected = probe.getFilterCount(QDate(1970, 1, 1), QDate::currentDate(), id, QString());
            QVERIFY(expected > 0);
            QPointer<SampleQueryDlg> dlg = openQuery(w, page);
            QVERIFY(dlg);
            querySample(dlg, id);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
            QTRY_VERIFY(!dlg);
            QCOMPARE(page->access()->m_listModel.size(), expected);
            for (const SampleInfoModel *m : page->access()->m_listModel)
                QVERIFY(m->SampleId.contains(id));
            QCOMPARE(counter->text().section('/', 1), QString::number(expected));
            QCOMPARE(query->text(), QString("取消查詢"));
            QCOMPARE(page->findChild<QTableView *>("tableView")->model()->rowCount(), 7);
            QTest::mouseClick(query, Qt::LeftButton);
            QCOMPARE(query->text(), QString("查詢"));
            QCOMPARE(counter->text(), QString("5/7"));
        }
        QCOMPARE(SampleInfoAccess::getCount(), 7);

        // The dialog is not modal: the page (and its access object) may go
        // first; the dialog then closes itself, with or without a window.
        QPointer<SampleQueryDlg> dlg = openQuery(w, page);
        QVERIFY(dlg);
        page->releaseInstance();
        QSignalSpy events(dlg.data(), &IDialogWidget::sendEvent);
        querySample(dlg, "1A");
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        QCOMPARE(events.value(0).value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QTRY_VERIFY(!dlg);
        QVERIFY(!w.currentDialog());

        auto *access = new SampleInfoAccess;
        QPointer<SampleQueryDlg> lone = new SampleQueryDlg;
        lone->updateDialog(QVariant::fromValue<QObject *>(access));
        lone->show();
        delete access;
        click(lone);
        QTRY_VERIFY(!lone);
    }
};

VIREON_TEST_MAIN(TstDialogWindow)
#include "tst_dialogwindow.moc"
