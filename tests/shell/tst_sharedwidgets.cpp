#include "shell/widgets/choosedialog.h"
#include "shell/widgets/datetimeeditdialog.h"
#include "shell/widgets/messagedialog.h"
#include "shell/widgets/netaddresswidget.h"
#include "shell/widgets/shieldwidget.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

class TstSharedWidgets : public QObject
{
    Q_OBJECT
private:
    static QPushButton *buttonWithText(QWidget *w, const QString &text)
    {
        for (QPushButton *b : w->findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }

    // Runs a real modal loop and lets act() close it from inside.
    static int runModal(QDialog *dialog, const std::function<void(QDialog *)> &act)
    {
        QTimer::singleShot(0, dialog, [dialog, act]() {
            QTRY_VERIFY(dialog->isVisible());
            act(dialog);
        });
        return dialog->exec();
    }

private slots:
    void messageDialogReturnCodes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("press"); // button text, "esc" or "close"
        QTest::addColumn<int>("expected");
        QTest::newRow("yes") << 0 << 2 << QStringLiteral("是") << 1;
        QTest::newRow("no") << 0 << 2 << QStringLiteral("否") << 0;
        QTest::newRow("ok") << 1 << 1 << QStringLiteral("確定") << 1;
        QTest::newRow("escape") << 0 << 2 << QStringLiteral("esc") << 0;
        QTest::newRow("close") << 1 << 1 << QStringLiteral("close") << 0;
        QTest::newRow("no-button closed") << 3 << 0 << QStringLiteral("close") << 0;
    }
    void messageDialogReturnCodes()
    {
        QFETCH(int, mode);
        QFETCH(int, buttons);
        QFETCH(QString, press);
        QFETCH(int, expected);
        QPointer<MessageDialog> dialog = new MessageDialog(QStringLiteral("text"), mode, true, QString(), nullptr);
        QCOMPARE(dialog->findChildren<QPushButton *>().size(), buttons);
        QCOMPARE(dialog->title(), QStringLiteral("提示"));
        int shieldsSeen = 0; // a shield lives exactly as long as its box
        const int result = runModal(dialog, [press, &shieldsSeen](QDialog *d) {
            for (QWidget *w : QApplication::topLevelWidgets())
                shieldsSeen += qobject_cast<ShieldWidget *>(w) && w->isVisible();
            if (press == QLatin1String("esc"))
                QTest::keyClick(d, Qt::Key_Escape);
            else if (press == QLatin1String("close"))
                d->close();
            else
                buttonWithText(d, press)->click();
        });
        QCOMPARE(result, expected);
        QCOMPARE(shieldsSeen, 1);
        QVERIFY(dialog.isNull()); // deletes itself
        QCoreApplication::processEvents();
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<ShieldWidget *>(w));
    }

    // The list exists for tests only: a running program keeps nothing of what
    // the boxes said.
    void messageDialogRecordsOnlyWhenAsked()
    {
        MessageDialog::setRecordShownTexts(false);
        ModalAnswerer::answerNext(1);
        (new MessageDialog(QStringLiteral("one"), 0, false, QString(), nullptr))->exec();
        const QStringList shown = MessageDialog::shownTexts();
        MessageDialog::setRecordShownTexts(true); // as the test environment set it
        QCOMPARE(shown, QStringList());
    }

    void chooseDialogResults()
    {
        // Third item confirmed: its index; cancelled or escaped: -1.
        for (const QString press : {"確定", "取消", "esc"}) {
            auto *dialog = new ChooseDialog({"A", "B", "C"}, QStringLiteral("pick"), press == "確定", nullptr);
            const int result = runModal(dialog, [press](QDialog *d) {
                d->findChild<QComboBox *>()->setCurrentIndex(2);
                press == "esc" ? QTest::keyClick(d, Qt::Key_Escape) : buttonWithText(d, press)->click();
            });
            QCOMPARE(result, press == "確定" ? 2 : -1);
        }
    }

    void datetimeDialogWritesOnlyOnConfirm()
    {
        const QDateTime original(QDate(2024, 3, 31), QTime(10, 20, 30));
        QDateTime value = original;
        DatetimeEditDialog cancelled(&value, QStringLiteral("t"), false, nullptr);
        cancelled.findChild<QSpinBox *>(QStringLiteral("yearTumbler"))->setValue(2030);
        QCOMPARE(runModal(&cancelled, [](QDialog *d) { buttonWithText(d, QStringLiteral("取消"))->click(); }), 0);
        QCOMPARE(value, original);
        DatetimeEditDialog confirmed(&value, QStringLiteral("t"), false, nullptr);
        // 31 March moved to February becomes the last day of February.
        confirmed.findChild<QSpinBox *>(QStringLiteral("monthTumbler"))->setValue(2);
        QCOMPARE(confirmed.findChild<QSpinBox *>(QStringLiteral("dayTumbler"))->value(), 29);
        QCOMPARE(runModal(&confirmed, [](QDialog *d) { buttonWithText(d, QStringLiteral("確定"))->click(); }), 1);
        QCOMPARE(value, QDateTime(QDate(2024, 2, 29), QTime(10, 20, 30)));
    }

    void netAddressRules()
    {
        NetAddressWidget w;
        QVERIFY(!w.field(3)->isEnabled());
        w.setNetAddress(QStringLiteral("10.1.2.77"));
        QCOMPARE(w.getNetAddress(), QStringLiteral("10.1.2.1")); // last field fixed at 1 until enabled
        w.setNetAddress(QStringLiteral("10.1.2"));
        QCOMPARE(w.getNetAddress(), QStringLiteral("0.0.0.0"));
        w.setLastFieldEnabled();
        QVERIFY(w.field(3)->isEnabled());
        w.setNetAddress(QStringLiteral("127.0.0.2"));
        QCOMPARE(w.getNetAddress(), QStringLiteral("127.0.0.2"));
        w.field(1)->clear();
        QCOMPARE(w.getNetAddress(), QString());
        w.field(1)->setText(QStringLiteral("0"));
        w.field(3)->clear();
        QCOMPARE(w.getNetAddress(), QStringLiteral("127.0.0.")); // only the first three are required
        // The validator takes 0 to 255 and the empty text, nothing else.
        int pos = 0;
        QStringList acceptable;
        for (QString t : {"", "0", "99", "255", "256", "-1", "a", "1."})
            if (w.field(0)->validator()->validate(t, pos) == QValidator::Acceptable)
                acceptable << t;
            else
                QCOMPARE(w.field(0)->validator()->validate(t, pos), QValidator::Invalid);
        QCOMPARE(acceptable, QStringList({"", "0", "99", "255"}));
        // A field left empty is filled with 0.
        QSignalSpy spy(&w, &NetAddressWidget::send_editingFinished);
        w.field(2)->setText(QString());
        emit w.field(2)->editingFinished();
        QCOMPARE(w.field(2)->text(), QStringLiteral("0"));
        QCOMPARE(spy.count(), 1);
    }
};

VIREON_TEST_MAIN(TstSharedWidgets)
#include "tst_sharedwidgets.moc"
