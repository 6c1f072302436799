#include "core/messageids.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "review/samplequerydlg.h"
#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "app/vireon.h"
#include "stubwidgets.h"
#include "support/testenv.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTimer>

// The curve dialog is tested as itself once it is part of the build.
#if __has_include("review/samplesplinedlg.h")
#include "review/samplesplinedlg.h"
#define TEST_REAL_CURVE_DIALOG 1
#endif

// The sample dialogs as the main window opens them: windows of their own
// that the user can move and close, and that never outlive the main window.
class TstDialogWindow : public QObject
{
    Q_OBJECT
    DbManage *m_db = nullptr;
    SampleInfoAccess *m_access = nullptr;
    QString m_key; // a record of the database

    QVariant payloadFor(int type) const
    {
        if (type == IDialogWidget::DLG_SAMPLE_QUERY)
            return QVariant::fromValue<QObject *>(m_access);
        if (type == IDialogWidget::DLG_SAMPLE_REPORT)
            return QVariant(QStringList{m_key});
        return QVariant(m_key);
    }

private slots:
    void initTestCase()
    {
        FunWidgetFactory::setProviderForTesting([](int id) -> IFunWidget * { return StubPage::getInstance(id); });
        // The query dialog is the real one; the others are stand-ins until
        // they join the build.
        DialogWidgetFactory::setProviderForTesting([](int type) -> IDialogWidget * {
            if (type == IDialogWidget::DLG_SAMPLE_QUERY)
                return new SampleQueryDlg;
#ifdef TEST_REAL_CURVE_DIALOG
            if (type == IDialogWidget::DLG_SAMLPLE_SPLINE)
                return new SampleSplineDlg;
#endif
            return new StubDialog(type);
        });
        QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 2, 3) > 0);
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        m_access = new SampleInfoAccess(nullptr);
        QVERIFY(m_access->getModel(0, 1) == 1);
        m_key = m_access->m_listModel.first()->Key;
    }

    void cleanupTestCase()
    {
        delete m_access;
        delete m_db;
    }

    void openedDialogIsAFramedTitledWindow_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::newRow("query") << int(IDialogWidget::DLG_SAMPLE_QUERY) << QStringLiteral("查詢");
        QTest::newRow("report") << int(IDialogWidget::DLG_SAMPLE_REPORT) << QStringLiteral("報告");
        QTest::newRow("curve") << int(IDialogWidget::DLG_SAMLPLE_SPLINE) << QStringLiteral("查詢");
    }

    void openedDialogIsAFramedTitledWindow()
    {
        QFETCH(int, type);
        QFETCH(QString, title);
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        w.show();
        w.switchDialogWidgetSlot(type, payloadFor(type));
        QPointer<IDialogWidget> d = w.currentDialog();
        QVERIFY(d);
        QVERIFY(d->isWindow());
        QVERIFY(d->isVisible());
        QVERIFY(!(d->windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(d->windowHandle()->flags() & Qt::FramelessWindowHint, Qt::WindowFlags());
        QCOMPARE(d->windowTitle(), title);
    }

    // Escape and the window's close button end the dialog the same way: it
    // is deleted, reports DLG_EVENT_CLOSE, and the page is shown again.
    void escapeAndCloseButtonEndTheDialog_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("query, Escape") << int(IDialogWidget::DLG_SAMPLE_QUERY) << true
                                       << Qt::KeyboardModifiers(Qt::NoModifier) << true;
        QTest::newRow("report, Escape") << int(IDialogWidget::DLG_SAMPLE_REPORT) << true
                                        << Qt::KeyboardModifiers(Qt::NoModifier) << true;
        QTest::newRow("query, Shift+Escape stays")
            << int(IDialogWidget::DLG_SAMPLE_QUERY) << true << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("query, close button")
            << int(IDialogWidget::DLG_SAMPLE_QUERY) << false << Qt::KeyboardModifiers(Qt::NoModifier) << true;
        QTest::newRow("curve, close button")
            << int(IDialogWidget::DLG_SAMLPLE_SPLINE) << false << Qt::KeyboardModifiers(Qt::NoModifier) << true;
    }

    void escapeAndCloseButtonEndTheDialog()
    {
        QFETCH(int, type);
        QFETCH(bool, escape);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, closes);
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        StubPage *page = qobject_cast<StubPage *>(w.currentPage());
        w.show();
        w.switchDialogWidgetSlot(type, payloadFor(type));
        QPointer<IDialogWidget> d = w.currentDialog();
        QVERIFY(d);
        QSignalSpy events(d.data(), &IDialogWidget::sendEvent);
        if (escape) {
            // Sent to the focused child, as a key press of the user reaches it.
            QWidget *target = d->focusWidget() ? d->focusWidget() : d.data();
            QTest::keyClick(target, Qt::Key_Escape, modifiers);
        } else {
            // What the window system's close button does.
            QCloseEvent close;
            QApplication::sendEvent(d->windowHandle(), &close);
        }
        if (!closes) {
            QCoreApplication::processEvents();
            QVERIFY(d && d->isVisible());
            QCOMPARE(w.currentDialog(), d.data());
            return;
        }
        QTRY_VERIFY(d.isNull());
        QCOMPARE(events.count(), 1);
        QCOMPARE(events.first().first().toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QVERIFY(!w.currentDialog());
        QCOMPARE(page->updateCount, 0);
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
            w.switchDialogWidgetSlot(type, payloadFor(type));
            d = w.currentDialog();
            QVERIFY(d && d->isVisible());
        }
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, &w, [&w]() { w.close(); });
        // A program that does not end is stopped with another code.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, []() { QCoreApplication::exit(3); });
        watchdog.start(10000);
        const int code = QApplication::exec();
        watchdog.stop();
        QCOMPARE(code, 0);
        QCOMPARE(quitting.count(), 1);
        QVERIFY(!w.networkThread()->isRunning()); // the shutdown ran
        QTRY_VERIFY(d.isNull());
        QVERIFY(!w.currentDialog());
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->metaObject()->className()));
    }
};

VIREON_TEST_MAIN(TstDialogWindow)
#include "moc_stubwidgets.cpp"
#include "tst_dialogwindow.moc"
