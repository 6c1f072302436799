#include "app/vireon.h"
#include "shell/appearance.h"
#include "support/testenv.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableView>

namespace {
struct FontRule {
    QString selector;
    QString weight;
    int px;
};

const auto readSheet = [](const QString &resource) { return QString::fromLatin1(TestEnv::readFile(resource)); };

const QRegularExpression kFontDecl(QStringLiteral("font:\\s*(normal|bold)\\s+(\\d+)px;"));

// Every font declaration with the selector of the rule that holds it.
QList<FontRule> fontRules(QString sheet)
{
    sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QList<FontRule> rules;
    for (const QString &block : sheet.split(QLatin1Char('}'))) {
        const int brace = block.indexOf(QLatin1Char('{'));
        if (brace < 0)
            continue;
        const QString selector = block.left(brace).simplified();
        auto it = kFontDecl.globalMatch(block.mid(brace + 1));
        while (it.hasNext()) {
            const auto m = it.next();
            rules << FontRule{selector, m.captured(1), m.captured(2).toInt()};
        }
    }
    return rules;
}

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;
void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg)
        g_warnings << msg;
    if (g_previous)
        g_previous(type, context, msg);
}
} // namespace

class TstStylesheets : public QObject
{
    Q_OBJECT
private slots:
    // Each size's sheet is ASCII, parses without a warning, and gives a
    // polished label and table a larger font than the size below it.
    void threeSheetsAsciiParseableAndGrowing()
    {
        int labelPx = 0, tablePx = 0;
        for (int size : {0, 1, 2}) {
            const QString name = Appearance::styleSheetResource(size);
            const QByteArray bytes = TestEnv::readFile(name);
            QVERIFY2(bytes.size() > 1000, qPrintable(name));
            for (char c : bytes)
                QVERIFY2(static_cast<unsigned char>(c) < 0x80, qPrintable(name));
            g_warnings.clear();
            g_previous = qInstallMessageHandler(collectWarnings);
            Appearance::applyStyle(size);
            QLabel label;
            label.ensurePolished();
            QTableView table;
            table.ensurePolished();
            qInstallMessageHandler(g_previous);
            QVERIFY2(g_warnings.filter(QStringLiteral("stylesheet"), Qt::CaseInsensitive).isEmpty(),
                     qPrintable(g_warnings.join('\n')));
            QVERIFY2(label.font().pixelSize() > labelPx, qPrintable(name));
            QVERIFY2(table.font().pixelSize() > tablePx, qPrintable(name));
            labelPx = label.font().pixelSize();
            tablePx = table.font().pixelSize();
        }
        QVERIFY(!readSheet(QStringLiteral(":/stylesheet")).isEmpty());
        QCOMPARE(Appearance::styleSheetResource(7), QStringLiteral(":/qss/app.css"));
    }

    // The three sheets differ only in their font sizes, and every font rule
    // is smaller in the small sheet and larger in the large one.
    void sheetsDifferOnlyInGrowingFontSizes()
    {
        const QString sheets[] = {readSheet(QStringLiteral(":/qss/app-small.css")),
                                  readSheet(QStringLiteral(":/qss/app.css")),
                                  readSheet(QStringLiteral(":/qss/app-max.css"))};
        auto sizeless = [](QString s) { return s.replace(kFontDecl, QStringLiteral("font: \\1 Npx;")); };
        QCOMPARE(sizeless(sheets[0]), sizeless(sheets[1]));
        QCOMPARE(sizeless(sheets[2]), sizeless(sheets[1]));
        const QList<FontRule> small = fontRules(sheets[0]), middle = fontRules(sheets[1]), large = fontRules(sheets[2]);
        QVERIFY(!middle.isEmpty());
        QCOMPARE(small.size(), middle.size());
        QCOMPARE(large.size(), middle.size());
        for (int i = 0; i < middle.size(); ++i) { // selectors and weights alike: the sizeless sheets are equal
            QVERIFY2(small[i].px < middle[i].px, qPrintable(middle[i].selector));
            QVERIFY2(middle[i].px < large[i].px, qPrintable(middle[i].selector));
        }
    }

    // The sheets are ASCII today, but a quoted font family may not be: read as UTF-8. No file: no sheet.
    void sheetReadAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("cjk family")
            << QByteArray("QLabel { font-family: \"\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91\"; }")
            << QStringLiteral("QLabel { font-family: \"微软雅黑\"; }");
        QTest::newRow("missing file") << QByteArray("missing") << QString();
    }
    void sheetReadAsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString path = QStringLiteral("sheet.css");
        QFile::remove(path);
        if (bytes != "missing")
            QVERIFY(TestEnv::writeFile(path, bytes));
        QCOMPARE(Appearance::readStyleSheet(path), text);
    }

    void fontSubstitution()
    {
        Appearance::installFontSubstitutions();
        const QString family = QFontInfo(QFont(QStringLiteral("Microsoft YaHei"))).family();
        QVERIFY2(family.contains(QStringLiteral("CJK")) || family.contains(QStringLiteral("WenQuanYi")),
                 qPrintable(family));
        // The CJK face must offer a real bold, not a synthesised one.
        QFont bold(QStringLiteral("Microsoft YaHei"));
        bold.setBold(true);
        QCOMPARE(QFontInfo(bold).weight(), int(QFont::Bold));
    }

    void resourcesAreThere()
    {
        for (const char *name : {":/fontawesome", ":/images/lamp-red.svg", ":/images/lamp-green.svg",
                                 ":/images/arrow-down.svg", ":/images/app-icon.svg"})
            QVERIFY2(QFile::exists(QString::fromLatin1(name)), name);
        QVERIFY(!QIcon(QStringLiteral(":/images/lamp-green.svg")).pixmap(20, 20).isNull());
    }
};

VIREON_TEST_MAIN(TstStylesheets)
#include "tst_stylesheets.moc"
