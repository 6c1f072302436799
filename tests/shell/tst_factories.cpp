#include "database/dbmanage.h"
#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "support/testenv.h"

#include <QPointer>

// Which pages and dialogs are part of this build decides what the factories
// must hand out; the same test holds before and after each one lands.
#if __has_include("pages/machineconnect.h")
#define HAS_PAGES_MACHINECONNECT_H true
#else
#define HAS_PAGES_MACHINECONNECT_H false
#endif
#if __has_include("pages/machineotherset.h")
#define HAS_PAGES_MACHINEOTHERSET_H true
#else
#define HAS_PAGES_MACHINEOTHERSET_H false
#endif
#if __has_include("pages/realtimecurve.h")
#define HAS_PAGES_REALTIMECURVE_H true
#else
#define HAS_PAGES_REALTIMECURVE_H false
#endif
#if __has_include("pages/historydata.h")
#define HAS_PAGES_HISTORYDATA_H true
#else
#define HAS_PAGES_HISTORYDATA_H false
#endif
#if __has_include("pages/datamanagewidget.h")
#define HAS_PAGES_DATAMANAGEWIDGET_H true
#else
#define HAS_PAGES_DATAMANAGEWIDGET_H false
#endif
#if __has_include("pages/hospitalinfoedit.h")
#define HAS_PAGES_HOSPITALINFOEDIT_H true
#else
#define HAS_PAGES_HOSPITALINFOEDIT_H false
#endif
#if __has_include("pages/systemlanset.h")
#define HAS_PAGES_SYSTEMLANSET_H true
#else
#define HAS_PAGES_SYSTEMLANSET_H false
#endif
#if __has_include("pages/helpandfaq.h")
#define HAS_PAGES_HELPANDFAQ_H true
#else
#define HAS_PAGES_HELPANDFAQ_H false
#endif
#if __has_include("update/checkupdatewidget.h")
#define HAS_UPDATE_CHECKUPDATEWIDGET_H true
#else
#define HAS_UPDATE_CHECKUPDATEWIDGET_H false
#endif
#if __has_include("review/samplequerydlg.h")
#define HAS_REVIEW_SAMPLEQUERYDLG_H true
#else
#define HAS_REVIEW_SAMPLEQUERYDLG_H false
#endif
#if __has_include("review/samplereportdlg.h")
#define HAS_REVIEW_SAMPLEREPORTDLG_H true
#else
#define HAS_REVIEW_SAMPLEREPORTDLG_H false
#endif
#if __has_include("review/samplesplinedlg.h")
#define HAS_REVIEW_SAMPLESPLINEDLG_H true
#else
#define HAS_REVIEW_SAMPLESPLINEDLG_H false
#endif

namespace {
struct Expected {
    int id;
    const char *className;
    bool present;
};

const Expected kPages[] = {
    {0, "MachineConnect", HAS_PAGES_MACHINECONNECT_H},
    {1, "MachineOtherSet", HAS_PAGES_MACHINEOTHERSET_H},
    {2, "RealTimeCurve", HAS_PAGES_REALTIMECURVE_H},
    {3, "HistoryData", HAS_PAGES_HISTORYDATA_H},
    {4, "DataManageWidget", HAS_PAGES_DATAMANAGEWIDGET_H},
    {5, "HospitalInfoEdit", HAS_PAGES_HOSPITALINFOEDIT_H},
    {6, "SystemLanSet", HAS_PAGES_SYSTEMLANSET_H},
    {7, "HelpAndFAQ", HAS_PAGES_HELPANDFAQ_H},
    {8, "CheckUpdateWidget", HAS_UPDATE_CHECKUPDATEWIDGET_H},
};

const Expected kDialogs[] = {
    {1, "SampleQueryDlg", HAS_REVIEW_SAMPLEQUERYDLG_H},
    {2, "SampleReportDlg", HAS_REVIEW_SAMPLEREPORTDLG_H},
    {4, "SampleSplineDlg", HAS_REVIEW_SAMPLESPLINEDLG_H},
};
} // namespace

class TstFactories : public QObject
{
    Q_OBJECT
    DbManage *m_db = nullptr;

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
    }
    void cleanupTestCase() { delete m_db; }

    void pagesByIdAreSingletons()
    {
        for (const Expected &e : kPages) {
            IFunWidget *page = FunWidgetFactory::getFunWidget(static_cast<IFunWidget::WidgetType>(e.id));
            if (!e.present) {
                QVERIFY2(!page, e.className);
                continue;
            }
            QVERIFY2(page, e.className);
            QCOMPARE(page->metaObject()->className(), e.className);
            QCOMPARE(FunWidgetFactory::getFunWidget(static_cast<IFunWidget::WidgetType>(e.id)), page);
            QPointer<IFunWidget> guard(page);
            page->releaseInstance();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            delete guard.data(); // a page that only hides itself
        }
        QVERIFY(!FunWidgetFactory::getFunWidget(static_cast<IFunWidget::WidgetType>(9)));
        QVERIFY(!FunWidgetFactory::getFunWidget(static_cast<IFunWidget::WidgetType>(-1)));
    }

    void dialogsAreNewEachTime()
    {
        for (const Expected &e : kDialogs) {
            IDialogWidget *a = DialogWidgetFactory::getDialogWidget(static_cast<IDialogWidget::DialogType>(e.id));
            if (!e.present) {
                QVERIFY2(!a, e.className);
                continue;
            }
            IDialogWidget *b = DialogWidgetFactory::getDialogWidget(static_cast<IDialogWidget::DialogType>(e.id));
            QVERIFY(a && b && a != b);
            QCOMPARE(a->metaObject()->className(), e.className);
            QVERIFY(!a->parent());
            QVERIFY(a->testAttribute(Qt::WA_DeleteOnClose));
            delete a;
            delete b;
        }
        QVERIFY(!DialogWidgetFactory::getDialogWidget(static_cast<IDialogWidget::DialogType>(3)));
        QVERIFY(!DialogWidgetFactory::getDialogWidget(static_cast<IDialogWidget::DialogType>(0)));
    }
};

VIREON_TEST_MAIN(TstFactories)
#include "tst_factories.moc"
