#include "support/testenv.h"

#include "shell/appearance.h"
#include "core/common.h"
#include "core/systemconfig.h"
#include "pages/systemlanset.h"
#include "shell/appglobals.h"
#include "app/appstartup.h"
#include "shell/navigationlist.h"
#include "app/vireon.h"
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
    appTranslator.load(Appearance::translationFile(language));
    QCoreApplication::installTranslator(&appTranslator);
}

QString sheetText(int size)
{
    QFile file(Appearance::styleSheetResource(size));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
    QString saveLanguage(int index)
    {
        box(m_page, "comboBox")->setCurrentIndex(index);
        MessageDialog::clearShownTexts();
        MessageDialog::pushNextAnswer(1);
        m_changes.count = 0;
        m_page->on_savePushButton_clicked();
        return MessageDialog::shownTexts().value(0);
    }
    void restoreFile(const QString &file)
    {
        QFile::remove(file);
        QVERIFY(QFile::copy(QStringLiteral(VIREON_STAGED_APP_DIR) + file.mid(5), file));
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&m_changes); }

    void init()
    {
        startWithLanguage(0);
        SystemConfig::getInstance()->setFontSize(1);
        Appearance::applyStyle(1);
    }

    void cleanup()
    {
        if (m_page)
            m_page->releaseInstance();
        MessageDialog::clearShownTexts();
    }

    void switchLanguage_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("size");
        QTest::newRow("to English") << 0 << 1 << 1;
        QTest::newRow("to Spanish") << 0 << 2 << 0;
        QTest::newRow("to simplified Chinese") << 0 << 3 << 2;
        QTest::newRow("to Portuguese") << 1 << 4 << 1;
        QTest::newRow("to Japanese") << 2 << 5 << 2;
        QTest::newRow("back to traditional Chinese") << 1 << 0 << 0;
    }
    void switchLanguage()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, size);
        startWithLanguage(from);
        SystemConfig::getInstance()->setFontSize(quint8(size));
        openPage();
        QCOMPARE(title(m_page), kTexts[from].title);
        QCOMPARE(m_page->installedLanguage(), from);

        QCOMPARE(saveLanguage(to), kTexts[to].done);
        QVERIFY(m_changes.count > 0);
        QCOMPARE(TestEnv::iniValue(QStringLiteral("SystemConfig/SystemLanguage")).toInt(), to);
        QCOMPARE(m_page->installedLanguage(), to);
        QCOMPARE(title(m_page), kTexts[to].title);
        QCOMPARE(QCoreApplication::translate("NavigationList", "其他設置"), kTexts[to].navRow);

        QComboBox *languages = box(m_page, "comboBox");
        QCOMPARE(languages->count(), 6);
        QCOMPARE(languages->currentIndex(), to);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(languages->itemText(i), Common::getInstance()->getLanguageName(i));
        QComboBox *sizes = box(m_page, "comboBox_2");
        QCOMPARE(sizes->count(), 3);
        QCOMPARE(sizes->currentIndex(), size);
        QCOMPARE(sizes->itemText(2), kTexts[to].large);
        QCOMPARE(sizes->itemData(0).toString(), QStringLiteral("app-small"));
    }

    void sameLanguageLoadsNothing()
    {
        startWithLanguage(2);
        openPage();
        QCOMPARE(saveLanguage(2), kTexts[2].done);
        QCOMPARE(m_changes.count, 0);
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), 2);
    }

    // The file of the language asked for cannot be used: the language in
    // force and its setting stay, and the user is told in that language.
    void unusableTranslationFile_data()
    {
        QTest::addColumn<int>("to");
        QTest::addColumn<QByteArray>("content"); // "missing" removes the file
        QTest::addColumn<bool>("switched");
        QTest::newRow("missing") << 2 << QByteArray("missing") << false;
        QTest::newRow("garbage") << 5 << QByteArray("this is no translation file") << false;
        QTest::newRow("empty") << 4 << QByteArray() << false;
        QTest::newRow("source language needs no file") << 0 << QByteArray("missing") << true;
    }
    void unusableTranslationFile()
    {
        QFETCH(int, to);
        QFETCH(QByteArray, content);
        QFETCH(bool, switched);
        startWithLanguage(1);
        openPage();
        const QString file = Appearance::translationFile(to);
        QVERIFY(QFile::remove(file));
        if (content != "missing") {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(content);
        }
        const QString message = saveLanguage(to);
        restoreFile(file);

        const int now = switched ? to : 1;
        QCOMPARE(message, switched ? kTexts[to].done : kTexts[1].failed);
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), now);
        QCOMPARE(m_page->installedLanguage(), now);
        QCOMPARE(title(m_page), kTexts[now].title);
        QCOMPARE(QCoreApplication::translate("NavigationList", "其他設置"), kTexts[now].navRow);
        QCOMPARE(box(m_page, "comboBox")->currentIndex(), now);
    }

    void emptyLanguageBoxIgnored()
    {
        startWithLanguage(1);
        openPage();
        box(m_page, "comboBox")->clear();
        MessageDialog::pushNextAnswer(1);
        m_changes.count = 0;
        m_page->on_savePushButton_clicked();
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        MessageDialog::clearShownTexts();
        QCOMPARE(m_changes.count, 0);
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), 1);
        QCOMPARE(m_page->installedLanguage(), 1);
        // The queued answer is not left for the next box.
        (new MessageDialog(QStringLiteral("probe"), 1, false, QString(), nullptr))->exec();
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
            MessageDialog::clearShownTexts();
            MessageDialog::pushNextAnswer(1);
            m_page->on_savePushButton_2_clicked();
            QCOMPARE(MessageDialog::shownTexts(), QStringList{kTexts[0].done});
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
        QTest::newRow("ascii") << QByteArray("QLabel { font: normal 14px; }")
                               << QStringLiteral("QLabel { font: normal 14px; }");
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
        if (bytes != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        QCOMPARE(Appearance::readStyleSheet(path), text);
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

    void staticPointerClearedWhoeverDeletes()
    {
        SystemLanSet *first = SystemLanSet::getInstance();
        QCOMPARE(first->getTitle(), QStringLiteral("語言設置"));
        delete first;
        QPointer<SystemLanSet> second = SystemLanSet::getInstance();
        QVERIFY(second && second.data() != nullptr);
        second->releaseInstance();
        QVERIFY(!second);
    }
};

VIREON_TEST_MAIN(TstSystemLanSet)
#include "tst_systemlanset.moc"
