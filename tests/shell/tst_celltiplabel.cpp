#include "support/testenv.h"

#include "shell/widgets/celltiplabel.h"

#include <QStandardItemModel>
#include <QTableView>

// The floating cell label on its own: where it lands and how wide it is.
class TestCellTipLabel : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<int>("expectedLeft"); // -1: centred on the pointer
        QTest::newRow("centred") << "ABCDEF" << 15 << QPoint(150, 40) << -1;
        QTest::newRow("per-character rule wins") << "AB" << 25 << QPoint(150, 40) << 150 - 25;
        QTest::newRow("left edge") << "ABCDEFGHIJ" << 15 << QPoint(10, 40) << 0;
        QTest::newRow("right edge") << "ABCDEFGHIJ" << 15 << QPoint(295, 0) << -2;
        QTest::newRow("narrow rule, wide script") << "検体サンプル九号" << 7 << QPoint(150, 80) << -1;
        QTest::newRow("empty text") << "" << 15 << QPoint(150, 40) << -1;
    }
    void placement()
    {
        QFETCH(QString, text);
        QFETCH(int, charWidth);
        QFETCH(QPoint, pointer);
        QFETCH(int, expectedLeft);
        QTableView view;
        QStandardItemModel model(3, 2);
        view.resize(320, 240);
        view.setModel(&model);
        CellTipLabel label;
        label.setCharWidth(charWidth);
        label.attachTo(&view);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget *viewport = view.viewport();
        QCOMPARE(label.parentWidget(), viewport);
        QVERIFY(!label.isVisible());
        label.showText(text, pointer);
        if (text.isEmpty()) { // over an empty cell there is nothing to show, not even a box
            QVERIFY(!label.isVisible());
            label.showText("ABC", pointer);
            label.showText(text, pointer);
            QVERIFY(!label.isVisible());
            return;
        }
        QVERIFY(label.isVisible());
        QCOMPARE(label.y(), pointer.y());
        QVERIFY(label.width() >= qMax(text.length() * charWidth, label.fontMetrics().horizontalAdvance(text)));
        QVERIFY(label.height() >= CellTipLabel::kHeight);
        if (expectedLeft == -1)
            QVERIFY(qAbs(label.geometry().center().x() - pointer.x()) <= 1);
        else if (expectedLeft == -2)
            QCOMPARE(label.geometry().right(), viewport->width() - 1);
        else
            QCOMPARE(label.x(), expectedLeft);
        // Mouse moves go through it to the viewport beneath.
        QVERIFY(label.testAttribute(Qt::WA_TransparentForMouseEvents));
    }
};

VIREON_TEST_MAIN(TestCellTipLabel)
#include "tst_celltiplabel.moc"
