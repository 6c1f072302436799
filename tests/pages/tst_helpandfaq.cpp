#include "support/testenv.h"

#include "shell/appearance.h"
#include "core/systemconfig.h"
#include "pages/helpandfaq.h"
#include "shell/appglobals.h"
#include "app/appstartup.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace {
const char *const kEditors[] = {"helpText_ch", "helpText_sp", "helpText_en"};

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
        QTest::newRow("traditional Chinese") << 0 << "helpText_ch"
                                             << "常見問題"
                                             << "Lorix如何與電腦連結?" << 9;
        QTest::newRow("English") << 1 << "helpText_en"
                                 << "Lorix Real-time PCR FAQs"
                                 << "How to connect with PC?" << 9;
        QTest::newRow("Spanish") << 2 << "helpText_sp"
                                 << "Preguntas frecuentes sobre Lorix Real-time PCR"
                                 << "¿Cómo conectar con el PC?" << 10;
        QTest::newRow("simplified Chinese") << 3 << "helpText_ch"
                                            << "常见问题"
                                            << "Lorix如何与电脑连接?" << 9;
        QTest::newRow("Portuguese") << 4 << "helpText_ch"
                                    << "Perguntas frequentes"
                                    << "Como ligar o Lorix ao computador?" << 9;
        QTest::newRow("Japanese") << 5 << "helpText_ch"
                                  << "よくある質問"
                                  << "Lorixをパソコンと接続するには?" << 9;
    }
    void textPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, shown);
        QFETCH(QString, heading);
        QFETCH(QString, firstQuestion);
        QFETCH(int, questionCount);
        SystemConfig::getInstance()->setSystemLanguage(language);
        QVERIFY(appTranslator.load(Appearance::translationFile(language)));
        QCoreApplication::installTranslator(&appTranslator);

        HelpAndFAQ *page = HelpAndFAQ::getInstance();
        page->initWidget();
        int visible = 0;
        for (const char *name : kEditors) {
            auto *editor = page->findChild<QPlainTextEdit *>(QLatin1String(name));
            QVERIFY(editor);
            QVERIFY(editor->isReadOnly());
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

        // Read-only for the user too: typing changes nothing.
        editor->setFocus();
        QTest::keyClicks(editor, QStringLiteral("xyz"));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->toPlainText(), text);
        QCOMPARE(page->getTitle(), QCoreApplication::translate("HelpAndFAQ", "常見問題"));
    }

    // The languages without a text of their own get the Chinese text in
    // their own language, never the source text.
    void translatedTextsDifferFromSource_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("simplified Chinese") << 3;
        QTest::newRow("Portuguese") << 4;
        QTest::newRow("Japanese") << 5;
    }
    void translatedTextsDifferFromSource()
    {
        QFETCH(int, language);
        SystemConfig::getInstance()->setSystemLanguage(language);
        HelpAndFAQ *page = HelpAndFAQ::getInstance();
        page->initWidget();
        auto *editor = page->findChild<QPlainTextEdit *>(QStringLiteral("helpText_ch"));
        const QString source = editor->toPlainText();
        page->releaseInstance();

        QVERIFY(appTranslator.load(Appearance::translationFile(language)));
        QCoreApplication::installTranslator(&appTranslator);
        page = HelpAndFAQ::getInstance();
        page->initWidget();
        const QString translated = page->findChild<QPlainTextEdit *>(QStringLiteral("helpText_ch"))->toPlainText();
        QVERIFY(translated != source);
        // Same layout: as many lines and the same indentation pattern.
        const QStringList a = source.split(QLatin1Char('\n'));
        const QStringList b = translated.split(QLatin1Char('\n'));
        QCOMPARE(b.size(), a.size());
        for (int i = 0; i < a.size(); ++i)
            QCOMPARE(b[i].startsWith(QStringLiteral("    ")), a[i].startsWith(QStringLiteral("    ")));
    }

    void staticPointerClearedWhoeverDeletes()
    {
        HelpAndFAQ *first = HelpAndFAQ::getInstance();
        QCOMPARE(HelpAndFAQ::getInstance(), first);
        delete first;
        QPointer<HelpAndFAQ> second = HelpAndFAQ::getInstance();
        QVERIFY(second);
        second->releaseInstance();
        QVERIFY(!second);
    }
};

VIREON_TEST_MAIN(TstHelpAndFAQ)
#include "tst_helpandfaq.moc"
