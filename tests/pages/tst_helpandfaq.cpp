#include "support/testenv.h"

#include "pages/pagefixture.h"

#include "core/systemconfig.h"
#include "pages/helpandfaq.h"
#include "shell/appglobals.h"
#include "shell/appstartup.h"

#include <QPlainTextEdit>

namespace {
// Question lines: every non-empty line at the left margin after the heading.
QStringList questions(const QString &text)
{
    QStringList found;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty() && !lines[i].startsWith(QLatin1Char(' ')))
            found << lines[i];
    }
    return found;
}
} // namespace

class TstHelpAndFAQ : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        QCoreApplication::removeTranslator(&appTranslator);
        if (QPointer<HelpAndFAQ> page = HelpAndFAQ::getInstance())
            page->releaseInstance();
    }

    void textPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("firstQuestion");
        QTest::addColumn<int>("questionCount");
        const struct {
            const char *row, *shown, *heading, *firstQuestion;
            int questions;
        } rows[] = {
            {"traditional Chinese", "helpText_ch", "常見問題", "Lorix如何與電腦連結?", 9},
            {"English", "helpText_en", "Lorix Real-time PCR FAQs", "How to connect with PC?", 9},
            {"Spanish", "helpText_sp", "Preguntas frecuentes sobre Lorix Real-time PCR", "¿Cómo conectar con el PC?",
             10},
            {"simplified Chinese", "helpText_ch", "常见问题", "Lorix如何与电脑连接?", 9},
            {"Portuguese", "helpText_ch", "Perguntas frequentes", "Como ligar o Lorix ao computador?", 9},
            {"Japanese", "helpText_ch", "よくある質問", "Lorixをパソコンと接続するには?", 9},
        };
        int language = 0;
        for (const auto &r : rows)
            QTest::newRow(r.row) << language++ << QString(r.shown) << QString::fromUtf8(r.heading)
                                 << QString::fromUtf8(r.firstQuestion) << r.questions;
    }
    void textPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, shown);
        QFETCH(QString, heading);
        QFETCH(QString, firstQuestion);
        QFETCH(int, questionCount);
        SystemConfig::getInstance()->setSystemLanguage(language);
        // The languages without a text of their own get the Chinese text in
        // their own language (never the source text), in the same layout.
        QString source;
        if (language >= 3) {
            HelpAndFAQ::getInstance()->initWidget();
            source = HelpAndFAQ::getInstance()->findChild<QPlainTextEdit *>(shown)->toPlainText();
            HelpAndFAQ::getInstance()->releaseInstance();
        }
        QVERIFY(appTranslator.load(AppStartup::translationFile(language)));
        QCoreApplication::installTranslator(&appTranslator);

        HelpAndFAQ *page = HelpAndFAQ::getInstance();
        page->initWidget();
        int visible = 0;
        for (const char *name : {"helpText_ch", "helpText_sp", "helpText_en"}) {
            auto *editor = PageFixture::child<QPlainTextEdit>(page, name);
            QVERIFY(editor && editor->isReadOnly());
            if (editor->isVisibleTo(page)) {
                ++visible;
                QCOMPARE(editor->objectName(), shown);
            }
        }
        QCOMPARE(visible, 1);

        auto *editor = page->findChild<QPlainTextEdit *>(shown);
        const QString text = editor->toPlainText();
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), heading);
        QCOMPARE(text.section(QLatin1Char('\n'), 1, 1), QString());
        const QStringList asked = questions(text);
        QCOMPARE(asked.value(0), firstQuestion);
        QCOMPARE(asked.size(), questionCount);
        if (!source.isEmpty()) {
            QVERIFY(text != source);
            const QStringList a = source.split(QLatin1Char('\n'));
            const QStringList b = text.split(QLatin1Char('\n'));
            QCOMPARE(b.size(), a.size());
            for (int i = 0; i < a.size(); ++i)
                QCOMPARE(b[i].startsWith(QStringLiteral("    ")), a[i].startsWith(QStringLiteral("    ")));
        }

        QCOMPARE(page->getTitle(), QCoreApplication::translate("HelpAndFAQ", "常見問題"));
    }

    void staticPointerClearedWhoeverDeletes() { PageFixture::checkSingletonLifetime<HelpAndFAQ>(); }
};

VIREON_TEST_MAIN(TstHelpAndFAQ)
#include "tst_helpandfaq.moc"
