#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "database/dbmanage.h"
#include "support/testenv.h"

// The real factories: one singleton page per page id, a new parentless
// dialog per request, and nothing for the ids without a page or dialog.
class TstFactories : public QObject
{
    Q_OBJECT
    DbManage m_db;

private slots:
    void initTestCase() { QVERIFY(m_db.openDatabase()); }

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
};

VIREON_TEST_MAIN(TstFactories)
#include "tst_factories.moc"
