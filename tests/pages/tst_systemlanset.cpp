#include "support/testenv.h"

#include "core/systemconfig.h"
#include "pages/pagefixture.h"
#include "pages/systemlanset.h"
#include "shell/appglobals.h"
#include "shell/appstartup.h"
#include "shell/navigationlist.h"
#include "shell/vireon.h"
#include "shell/widgets/messagedialog.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {
// Counts the language-change events the application object receives.
class LanguageChangeCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

// Installs the language as start-up does.
void startWithLanguage(int language)
{
    SystemConfig::getInstance()->setSystemLanguage(language);
    QCoreApplication::removeTranslator(&appTranslator);
    appTranslator.load(AppStartup::translationFile(language));
    QCoreApplication::installTranslator(&appTranslator);
}

QString sheetText(int size)
{
    return QString::fromUtf8(PageFixture::readFile(Vireon::styleSheetResource(size)));
}

// Per language: the success and failure messages, the page's first title,
// the navigation row of this page and the large size entry.
struct LanguageTexts {
    QString done, failed, title, navRow, large;
};
const LanguageTexts kTexts[] = {
    {"設置成功！", "保存失敗！", "語言設置", "其他設置", "大號"},
    {"Settings applied!", "Save failed!", "Language", "Other settings", "Large"},
    {"¡Ajuste aplicado!", "¡Error al guardar!", "Idioma", "Otros ajustes", "Grande"},
    {"设置成功！", "保存失败！", "语言设置", "其他设置", "大号"},
    {"Definição aplicada!", "Falha ao guardar!", "Idioma", "Outros ajustes", "Grande"},
    {"設定しました！", "保存に失敗しました！", "言語設定", "その他の設定", "大"},
};
} // namespace

class TstSystemLanSet : public QObject
{
    Q_OBJECT
private:
    QPointer<SystemLanSet> m_page;
    LanguageChangeCounter m_changes;

    SystemLanSet *openPage()
    {
        m_page = SystemLanSet::getInstance();
        m_page->initWidget();
        return m_page;
    }
    static QComboBox *box(QWidget *page, const char *name) { return page->findChild<QComboBox *>(QLatin1String(name)); }
    static QString title(QWidget *page)
    {
        return page->findChild<QGroupBox *>(QStringLiteral("titleGroupBox"))->title();
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&m_changes); }

    void init()
    {
        startWithLanguage(0);
        SystemConfig::getInstance()->setFontSize(1);
        Vireon::applyStyle(1);
    }

    void cleanup()
    {
        if (m_page)
            m_page->releaseInstance();
        MessageDialog::clearShownTexts();
    }

    // Saving a language: the translation is switched, stored and shown; an
    // unusable file for it (missing, garbage, empty) keeps the language in
    // force and its setting, and the user is told in that language. The
    // same language and an empty box load nothing.
    void saveLanguage_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1: the box is emptied
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("file"); // of the language asked for
        const QByteArray ok("ok"), missing("missing");
        QTest::newRow("to English") << 0 << 1 << 1 << ok;
        QTest::newRow("to Spanish") << 0 << 2 << 0 << ok;
        QTest::newRow("to simplified Chinese") << 0 << 3 << 2 << ok;
        QTest::newRow("to Portuguese") << 1 << 4 << 1 << ok;
        QTest::newRow("to Japanese") << 2 << 5 << 2 << ok;
        QTest::newRow("back to traditional Chinese") << 1 << 0 << 0 << ok;
        QTest::newRow("same language") << 2 << 2 << 1 << ok;
        QTest::newRow("empty box") << 1 << -1 << 1 << ok;
        QTest::newRow("file missing") << 1 << 2 << 1 << missing;
        QTest::newRow("file garbage") << 1 << 5 << 1 << QByteArray("this is no translation file");
        QTest::newRow("file empty") << 1 << 4 << 1 << QByteArray("");
        QTest::newRow("source language needs no file") << 1 << 0 << 1 << missing;
    }
    void saveLanguage()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, size);
        QFETCH(QByteArray, file);
        startWithLanguage(from);
        SystemConfig::getInstance()->setFontSize(quint8(size));
        openPage();
        QCOMPARE(title(m_page), kTexts[from].title);
        QCOMPARE(m_page->installedLanguage(), from);
        const QString translation = AppStartup::translationFile(qMax(to, 0));
        if (file != "ok") {
            QVERIFY(QFile::remove(translation));
            if (file != "missing")
                QVERIFY(PageFixture::writeFile(translation, file));
        }
        QComboBox *languages = box(m_page, "comboBox");
        if (to < 0)
            languages->clear();
        else
            languages->setCurrentIndex(to);
        m_changes.count = 0;
        const QStringList shown = PageFixture::shownBy([this]() { m_page->on_savePushButton_clicked(); });
        if (file != "ok") {
            QFile::remove(translation);
            QVERIFY(QFile::copy(QStringLiteral(VIREON_STAGED_APP_DIR) + translation.mid(5), translation));
        }
        if (to < 0) // take the answer left queued, for the next box
            (new MessageDialog(QStringLiteral("probe"), 1, false, QString(), nullptr))->exec();

        const bool switched = to >= 0 && (file == "ok" || to == 0);
        const int now = switched ? to : from;
        QCOMPARE(shown, to < 0 ? QStringList() : QStringList{switched ? kTexts[to].done : kTexts[from].failed});
        QCOMPARE(m_changes.count > 0, switched && to != from);
        QCOMPARE(TestEnv::iniValue(QStringLiteral("SystemConfig/SystemLanguage")).toInt(), now);
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), now);
        QCOMPARE(m_page->installedLanguage(), now);
        QCOMPARE(title(m_page), kTexts[now].title);
        QCOMPARE(QCoreApplication::translate("NavigationList", "其他設置"), kTexts[now].navRow);
        if (to < 0)
            return;
        QCOMPARE(languages->count(), 6);
        QCOMPARE(languages->currentIndex(), now);
        QComboBox *sizes = box(m_page, "comboBox_2");
        QCOMPARE(sizes->count(), 3);
        QCOMPARE(sizes->currentIndex(), size);
        QCOMPARE(sizes->itemText(2), kTexts[now].large);
    }

    // Pixel sizes the applied sheet gives the page: labels, push buttons and
    // the titled group boxes, small / middle / large.
    void displaySize_data()
    {
        QTest::addColumn<int>("chosen"); // -1: the box is empty
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("labelPx");
        QTest::addColumn<int>("buttonPx");
        QTest::newRow("small") << 0 << 0 << 11 << 15;
        QTest::newRow("middle") << 1 << 1 << 14 << 18;
        QTest::newRow("large") << 2 << 2 << 17 << 21;
        QTest::newRow("empty box clamps to small") << -1 << 0 << 11 << 15;
    }
    void displaySize()
    {
        QFETCH(int, chosen);
        QFETCH(int, size);
        QFETCH(int, labelPx);
        QFETCH(int, buttonPx);
        openPage();
        QComboBox *sizes = box(m_page, "comboBox_2");
        if (chosen < 0)
            sizes->clear();
        else
            sizes->setCurrentIndex(chosen);
        for (int round = 0; round < 2; ++round) { // twice: the same sheet again
            qApp->setStyleSheet(sheetText(size == 1 ? 2 : 1));
            QCOMPARE(PageFixture::shownBy([this]() { m_page->on_savePushButton_2_clicked(); }),
                     QStringList{kTexts[0].done});
            QCOMPARE(TestEnv::iniValue(QStringLiteral("System/font_size")).toInt(), size);
            QCOMPARE(m_page->displaySize(), size);
            QCOMPARE(qApp->styleSheet(), sheetText(size));
            QCOMPARE(qApp->palette().color(QPalette::Button), QColor(QStringLiteral("#F0F0F0")));
        }
        QLabel probe;
        probe.ensurePolished();
        QCOMPARE(probe.font().pixelSize(), labelPx);
        QPushButton *save = m_page->findChild<QPushButton *>(QStringLiteral("savePushButton_2"));
        save->ensurePolished();
        QCOMPARE(save->font().pixelSize(), buttonPx);
        auto *group = m_page->findChild<QGroupBox *>(QStringLiteral("titleGroupBox_2"));
        group->ensurePolished();
        QCOMPARE(group->font().pixelSize(), buttonPx - 2);
        QVERIFY(group->font().bold());
    }

    void sheetReadAsUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("QLabel { font: 14px; }") << QStringLiteral("QLabel { font: 14px; }");
        QTest::newRow("cjk family")
            << QByteArray("QLabel { font-family: \"\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91\"; }")
            << QStringLiteral("QLabel { font-family: \"微软雅黑\"; }");
        QTest::newRow("accents") << QByteArray("/* Espa\xc3\xb1ol */") << QStringLiteral("/* Español */");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("missing file") << QByteArray("missing") << QString();
    }
    void sheetReadAsUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QString path = QStringLiteral("sheet.css");
        QFile::remove(path);
        if (bytes != "missing")
            QVERIFY(PageFixture::writeFile(path, bytes));
        QCOMPARE(Vireon::readStyleSheet(path), text);
    }

    // The language and size changes make the main window rebuild its
    // navigation while the page's slot is still running (a modal box is
    // open): the page stays current and alive, the list follows.
    void throughMainWindow_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("size");
        for (int language = 0; language < 6; ++language) {
            for (int size = 0; size < 3; ++size)
                QTest::addRow("language %d size %d", language, size) << language << size;
        }
    }
    void throughMainWindow()
    {
        QFETCH(int, language);
        QFETCH(int, size);
        startWithLanguage(language == 0 ? 1 : 0);
        Vireon w;
        w.show();
        w.switchFunctionWidgetSlot(IFunWidget::WGT_SYSTEM_SET);
        QPointer<SystemLanSet> page = qobject_cast<SystemLanSet *>(w.currentPage());
        QVERIFY(page);
        QListWidget *nav = w.findChild<QListWidget *>(QStringLiteral("navigationList"));

        QStringList sizeBox, languageBox;
        box(page, "comboBox_2")->setCurrentIndex(size);
        ModalAnswerer::answerNext(1, &sizeBox);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("savePushButton_2")), Qt::LeftButton);
        QVERIFY(page);
        box(page, "comboBox")->setCurrentIndex(language);
        ModalAnswerer::answerNext(1, &languageBox);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QCoreApplication::processEvents();

        QVERIFY(page);
        QCOMPARE(w.currentPage(), page.data());
        QCOMPARE(w.currentPageId(), int(IFunWidget::WGT_SYSTEM_SET));
        QCOMPARE(w.previousPages(), QList<int>{});
        QVERIFY(sizeBox.contains(kTexts[language == 0 ? 1 : 0].done));
        QVERIFY(languageBox.contains(kTexts[language].done));
        QCOMPARE(title(page), kTexts[language].title);
        QCOMPARE(nav->count(), NavigationList::rows().size());
        QCOMPARE(nav->currentRow(), NavigationList::rowOfPage(IFunWidget::WGT_SYSTEM_SET));
        QCOMPARE(nav->item(NavigationList::rowOfPage(IFunWidget::WGT_SYSTEM_SET))->text(), kTexts[language].navRow);
        QCOMPARE(nav->width(), NavigationList::metrics(size).width);
        QCOMPARE(qApp->styleSheet(), sheetText(size));
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), language);
        QCOMPARE(SystemConfig::getInstance()->getFontSize(), size);
    }

    void staticPointerClearedWhoeverDeletes() { PageFixture::checkSingletonLifetime<SystemLanSet>(); }
};

VIREON_TEST_MAIN(TstSystemLanSet)
#include "tst_systemlanset.moc"
