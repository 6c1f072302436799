#include "support/testenv.h"

#include "app/appstartup.h"
#include "app/vireon.h"
#include "core/systemconfig.h"
#include "pages/helpandfaq.h"
#include "pages/hospitalinfoedit.h"
#include "pages/pagefixture.h"
#include "pages/systemlanset.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/filedialogs.h"
#include "shell/navigationlist.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {
struct LanguageChangeCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        count += watched == qApp && event->type() == QEvent::LanguageChange;
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

// Per language: the success and failure messages, the page's first title, the navigation row of this page and the large
// size entry. (Every text of every language: tst_translations.)
struct LanguageTexts {
    QString done, failed, title, navRow, large;
};
const LanguageTexts kTexts[] = {
    {"設置成功！", "保存失敗！", "語言設置", "其他設置", "大號"},
    {"Settings applied!", "Save failed!", "Language", "Other settings", "Large"},
    {"¡Ajuste aplicado!", "¡Error al guardar!", "Idioma", "Otros ajustes", "Grande"},
};

const QString kOk = QStringLiteral("保存成功！");
const QString kFailed = QStringLiteral("保存失敗！");

bool writeImage(const QString &path, int w, int h, const QColor &colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path, "PNG");
}

QLineEdit *edit(QWidget *page, const char *name)
{
    return PageFixture::child<QLineEdit>(page, name);
}
} // namespace

// The settings pages and the help page: language and display size (also through the real main window), the
// report header texts and logo, and the help text in each language.
class TstSettingPages : public QObject
{
    Q_OBJECT
private:
    QPointer<SystemLanSet> m_language;
    QPointer<HospitalInfoEdit> m_header;
    LanguageChangeCounter m_changes;
    QString m_wide; // 300 x 120 PNG
    QString m_tall; // 40 x 100 PNG, the "old" logo
    QString m_noImage;

    void openLanguagePage() { (m_language = SystemLanSet::getInstance())->initWidget(); }
    void openHeaderPage() { (m_header = HospitalInfoEdit::getInstance())->initWidget(); }
    static QComboBox *box(QWidget *page, const char *name) { return PageFixture::child<QComboBox>(page, name); }
    static QString title(QWidget *page) { return PageFixture::child<QGroupBox>(page, "titleGroupBox")->title(); }
    QLabel *preview() const { return PageFixture::child<QLabel>(m_header, "ImageLab"); }
    QComboBox *sideBox() const { return box(m_header, "logo_post_combox"); }
    QString save()
    {
        return PageFixture::shownBy([this]() { m_header->on_saveInfoBtn_clicked(); }).value(0);
    }

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(&m_changes);
        QDir().mkpath(QStringLiteral("pictures"));
        m_wide = QDir::current().absoluteFilePath("pictures/wide.png");
        m_tall = QDir::current().absoluteFilePath("pictures/tall.png");
        m_noImage = QDir::current().absoluteFilePath("pictures/notes.png");
        QVERIFY(writeImage(m_wide, 300, 120, Qt::red));
        QVERIFY(writeImage(m_tall, 40, 100, Qt::blue));
        QVERIFY(TestEnv::writeFile(m_noImage, "not a picture at all\n"));
    }

    void init()
    {
        startWithLanguage(0);
        SystemConfig::getInstance()->setFontSize(1);
        Appearance::applyStyle(1);
    }

    void cleanup()
    {
        for (IFunWidget *page : std::initializer_list<IFunWidget *>{m_language, m_header, HelpAndFAQ::getInstance()})
            if (page)
                page->releaseInstance();
        QVERIFY(!m_header);
        FileDialogs::clearPending();
        MessageDialog::clearShownTexts();
        QFile::remove(QStringLiteral("app/Logo"));
        QDir(QStringLiteral("app/Logo")).removeRecursively();
    }

    // A language switch (each language through the main window: throughMainWindow), to and from the source language. An
    // unusable file for it (missing, garbage, empty) keeps the language in force and its setting, and the user is told
    // in that language. The same language and an empty box load nothing.
    void saveLanguage_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1: the box is emptied
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("file"); // of the language asked for
        const QByteArray ok("ok"), missing("missing");
        QTest::newRow("to English") << 0 << 1 << 2 << ok;
        QTest::newRow("back to traditional Chinese") << 1 << 0 << 0 << ok;
        QTest::newRow("same language") << 2 << 2 << 0 << ok;
        QTest::newRow("empty box") << 1 << -1 << 1 << ok;
        QTest::newRow("file missing") << 1 << 2 << 1 << missing;
        QTest::newRow("file garbage") << 1 << 2 << 1 << QByteArray("this is no translation file");
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
        openLanguagePage();
        QCOMPARE(title(m_language), kTexts[from].title);
        QCOMPARE(m_language->installedLanguage(), from);
        const QString translation = Appearance::translationFile(qMax(to, 0));
        if (file != "ok") {
            QVERIFY(QFile::remove(translation));
            if (file != "missing")
                QVERIFY(TestEnv::writeFile(translation, file));
        }
        QComboBox *languages = box(m_language, "comboBox");
        to < 0 ? languages->clear() : languages->setCurrentIndex(to);
        m_changes.count = 0;
        const QStringList shown = PageFixture::shownBy([this]() { m_language->on_savePushButton_clicked(); });
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
        QCOMPARE(TestEnv::iniValue("SystemConfig/SystemLanguage").toInt(), now);
        QCOMPARE(m_language->installedLanguage(), now);
        QCOMPARE(title(m_language), kTexts[now].title);
        QCOMPARE(QCoreApplication::translate("NavigationList", "其他設置"), kTexts[now].navRow);
        if (to < 0)
            return;
        QComboBox *sizes = box(m_language, "comboBox_2");
        QCOMPARE(languages->count(), 6);
        QCOMPARE(languages->currentIndex(), now);
        QCOMPARE(sizes->count(), 3);
        QCOMPARE(sizes->currentIndex(), size);
        QCOMPARE(sizes->itemText(2), kTexts[now].large);
    }

    // The language and size changes make the main window rebuild its navigation while the page's slot is still running
    // (a modal box is open): the page stays current and alive, the list follows. The sheet applied (again, for the size
    // in force) gives push buttons and titled group boxes their pixel sizes. Without a current size entry the size in
    // force stays (middle for a value that names no size) and is stored. Each size, to and from the source language.
    void throughMainWindow_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("stored"); // System/font_size at start
        QTest::addColumn<int>("chosen"); // in the size box; -1: the box emptied, -2: as the page shows it
        QTest::addColumn<int>("size");   // in force and stored afterwards
        for (int size = 0; size < 3; ++size)
            QTest::addRow("language %d size %d", size, size) << size << 1 << size << size;
        QTest::newRow("empty size box") << 1 << 2 << -1 << 2;
        QTest::newRow("stored size names no size") << 0 << 7 << -2 << 1;
    }
    void throughMainWindow()
    {
        QFETCH(int, language);
        QFETCH(int, stored);
        QFETCH(int, chosen);
        QFETCH(int, size);
        SystemConfig::getInstance()->setFontSize(quint8(stored));
        startWithLanguage(language == 0 ? 1 : 0);
        Vireon w;
        w.show();
        w.switchFunctionWidgetSlot(IFunWidget::WGT_SYSTEM_SET);
        QPointer<SystemLanSet> page = qobject_cast<SystemLanSet *>(w.currentPage());
        QVERIFY(page);
        QListWidget *nav = w.findChild<QListWidget *>(QStringLiteral("navigationList"));
        QStringList sizeBox, languageBox;
        if (chosen == -1)
            box(page, "comboBox_2")->clear();
        else if (chosen >= 0)
            box(page, "comboBox_2")->setCurrentIndex(chosen);
        ModalAnswerer::answerNext(1, &sizeBox);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("savePushButton_2")), Qt::LeftButton);
        QVERIFY(page);
        box(page, "comboBox")->setCurrentIndex(language);
        ModalAnswerer::answerNext(1, &languageBox);
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(page);
        QCOMPARE(w.currentPage(), static_cast<IFunWidget *>(page.data()));
        QCOMPARE(w.currentPageId(), int(IFunWidget::WGT_SYSTEM_SET));
        QCOMPARE(w.previousPages(), QList<int>());
        QVERIFY(sizeBox.contains(kTexts[language == 0 ? 1 : 0].done));
        QVERIFY(languageBox.contains(kTexts[language].done));
        const int navRow = NavigationList::rowOfPage(IFunWidget::WGT_SYSTEM_SET);
        QCOMPARE(title(page), kTexts[language].title);
        QCOMPARE(nav->item(navRow)->text(), kTexts[language].navRow);
        QCOMPARE(nav->currentRow(), navRow);
        QCOMPARE(nav->width(), NavigationList::metrics(size).width);
        QCOMPARE(qApp->styleSheet(), QString::fromUtf8(TestEnv::readFile(Appearance::styleSheetResource(size))));
        QCOMPARE(qApp->palette().color(QPalette::Button), QColor(QStringLiteral("#F0F0F0")));
        QCOMPARE(SystemConfig::getInstance()->getSystemLanguage(), language);
        QCOMPARE(TestEnv::iniValue("System/font_size").toInt(), size);
        QCOMPARE(page->displaySize(), size);
        // Widgets that were there before the change take the new sizes too.
        const int buttonPx[] = {15, 18, 21};
        QWidget *save = PageFixture::child<QPushButton>(page, "savePushButton_2");
        QWidget *group = PageFixture::child<QGroupBox>(page, "titleGroupBox_2");
        for (QWidget *widget : {save, group})
            widget->ensurePolished();
        QCOMPARE(save->font().pixelSize(), buttonPx[size]);
        QCOMPARE(group->font().pixelSize(), buttonPx[size] - 2);
        QVERIFY(group->font().bold());
    }

    void headerTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("commas") << QStringLiteral("Happy Paws, Clinic, Ltd");
        QTest::newRow("semicolons and ini marks") << QStringLiteral("a;b ; c # d = e [f] \\g");
        QTest::newRow("cjk") << QStringLiteral("台北動物醫院（信義）、王醫師");
        QTest::newRow("surrounding blanks") << QStringLiteral("  two  words  ");
    }
    void headerTextsRoundTrip()
    {
        QFETCH(QString, text);
        openHeaderPage();
        const char *fields[] = {"HospitalLineEdit", "DoctorLineEdit", "TelephoneLineEdit", "AddressLineEdit",
                                "filePathLineEdit"};
        const char *keys[] = {"PrintConfig/HospitalName", "PrintConfig/DoctorName", "PrintConfig/HospitalPhone",
                              "PrintConfig/HospitalAddress", "PdfConfig/PdfSavepath"};
        QStringList typed, onDisk, shown;
        for (int i = 0; i < 5; ++i)
            edit(m_header, fields[i])->setText((typed << text + QString::number(i)).last());
        QCOMPARE(save(), kOk);
        // What a new settings reader finds on disk, and what a new page shows.
        m_header->releaseInstance();
        openHeaderPage();
        for (int i = 0; i < 5; ++i) {
            onDisk << TestEnv::iniValue(QLatin1String(keys[i])).toString();
            shown << edit(m_header, fields[i])->text();
        }
        QCOMPARE(onDisk, typed);
        QCOMPARE(shown, typed);
        QVERIFY(edit(m_header, "filePathLineEdit")->isReadOnly());
    }

    // Each row: the logo file before (none, the tall image, a folder in its place, a file where its folder belongs),
    // the pickers' answers, the expected message and logo afterwards.
    void logoSave_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        const QString wide = QStringLiteral("wide");
        QTest::newRow("no Logo folder") << "none" << QStringList{wide} << kOk << wide;
        QTest::newRow("replaces the old logo") << "tall" << QStringList{wide} << kOk << wide;
        QTest::newRow("chosen twice") << "tall" << QStringList{wide, wide} << kOk << wide;
        QTest::newRow("the logo file by another path") << "tall" << QStringList{"logo-other-path"} << kOk << "tall";
        // A file that is no image is refused when chosen; the choice before it stays.
        QTest::newRow("not an image") << "tall" << QStringList{"text"} << kOk << "tall";
        QTest::newRow("not an image after an image") << "tall" << QStringList{wide, "text"} << kOk << wide;
        QTest::newRow("second choice cancelled") << "tall" << QStringList{wide, QString()} << kOk << "tall";
        QTest::newRow("nothing chosen") << "tall" << QStringList{} << kOk << "tall";
        QTest::newRow("chosen file gone before saving") << "tall" << QStringList{"gone"} << kFailed << "tall";
        QTest::newRow("logo path is a folder") << "folder" << QStringList{wide} << kFailed << "folder";
        QTest::newRow("Logo is a plain file") << "plain-file" << QStringList{wide} << kFailed << "plain-file";
    }
    void logoSave()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, picks);
        QFETCH(QString, message);
        QFETCH(QString, after);
        const QString logo = HospitalInfoEdit::logoFilePath();
        if (before == QLatin1String("tall")) {
            QVERIFY(QDir().mkpath(QStringLiteral("app/Logo")));
            QVERIFY(QFile::copy(m_tall, logo));
        } else if (before == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(logo));
        } else if (before == QLatin1String("plain-file")) {
            QVERIFY(TestEnv::writeFile(QStringLiteral("app/Logo"), QByteArray()));
        }
        const QString gone = QDir::current().absoluteFilePath("pictures/gone.png");
        QFile::remove(gone); // left by a failed row
        QVERIFY(QFile::copy(m_wide, gone));
        // The preview fits the label and keeps the ratio (to within a pixel).
        auto previewShows = [this](const QSize &source) {
            const QPixmap shown = preview()->pixmap(Qt::ReturnByValue);
            return !shown.isNull() && shown.width() <= preview()->width() && shown.height() <= preview()->height() &&
                   (shown.width() == preview()->width() || shown.height() == preview()->height()) &&
                   qAbs(shown.width() * source.height() - shown.height() * source.width()) <= source.width();
        };
        openHeaderPage();
        QVERIFY(before == QLatin1String("tall") ? previewShows(QSize(40, 100))
                                                : preview()->pixmap(Qt::ReturnByValue).isNull());
        QMap<QString, QString> files{{"wide", m_wide}, {"text", m_noImage}, {"gone", gone}};
        files["logo-other-path"] = QDir::current().absoluteFilePath("app/../app/Logo/./logo.png");
        for (const QString &pick : picks) {
            const bool refused = pick == QLatin1String("text");
            FileDialogs::pushNextFileName(files.value(pick)); // an empty pick cancels
            MessageDialog::clearShownTexts();
            if (refused)
                MessageDialog::pushNextAnswer(1);
            m_header->on_getLogoPathBtn_clicked();
            QCOMPARE(FileDialogs::lastRequest().kind, QStringLiteral("open"));
            QCOMPARE(MessageDialog::shownTexts(),
                     refused ? QStringList{QStringLiteral("所選檔案不是可讀取的圖片！")} : QStringList());
        }
        QVERIFY(QFile::remove(gone));
        QCOMPARE(save(), message);
        if (picks.contains(QStringLiteral("text")))
            QCOMPARE(save(), message); // and the next save as well
        if (picks.size() == 2 && picks.first() == picks.last())
            QCOMPARE(save(), message); // the kept choice is copied again
        const bool wide = after == QLatin1String("wide");
        if (wide || after == QLatin1String("tall")) {
            QCOMPARE(TestEnv::readFile(logo), TestEnv::readFile(wide ? m_wide : m_tall));
            QVERIFY(previewShows(wide ? QSize(300, 120) : QSize(40, 100)));
        } else if (after == QLatin1String("folder")) {
            QVERIFY(QFileInfo(logo).isDir());
            QVERIFY(preview()->pixmap(Qt::ReturnByValue).isNull());
        } else {
            QVERIFY(QFileInfo(QStringLiteral("app/Logo")).isFile());
        }
        // No temporary file is left beside the logo.
        if (QFileInfo(QStringLiteral("app/Logo")).isDir()) {
            const QStringList left = QDir(QStringLiteral("app/Logo")).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(left.size() <= 1, qPrintable(left.join(',')));
        }
        QVERIFY(QFile::exists(m_wide));
        QVERIFY(QFile::exists(m_tall));
    }

    void pdfFolderChoice_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("taken");
        QTest::newRow("existing folder") << QDir::current().absoluteFilePath("pictures") << true;
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("a file, not a folder") << m_wide << false;
    }
    void pdfFolderChoice()
    {
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        const QString stored = QDir::current().absoluteFilePath("app");
        SystemConfig::getInstance()->setPdfSavepath(stored);
        openHeaderPage();
        edit(m_header, "filePathLineEdit")->setText(QStringLiteral("edited"));
        FileDialogs::pushNextFileName(answer);
        m_header->on_filePathBtn_clicked();
        const FileDialogs::Request request = FileDialogs::lastRequest();
        // The stored folder, not the edited text; nothing is stored before the save button.
        QCOMPARE(request.kind, QString("directory"));
        QCOMPARE(request.dir, stored);
        QCOMPARE(edit(m_header, "filePathLineEdit")->text(), taken ? answer : stored);
        QCOMPARE(SystemConfig::getInstance()->getPdfSavepath(), stored);
        QVERIFY(request.options.testFlag(QFileDialog::ShowDirsOnly));
        QVERIFY(request.options.testFlag(QFileDialog::DontResolveSymlinks));
    }

    void logoSide_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("savedAs");
        QTest::newRow("left to right") << 0 << 0 << 1 << 1;
        QTest::newRow("right to left") << 1 << 1 << 0 << 0;
        QTest::newRow("out of range stored") << 5 << -1 << -2 << 0;
    }
    void logoSide()
    {
        QFETCH(int, stored);
        QFETCH(int, shownIndex);
        QFETCH(int, chosen);
        QFETCH(int, savedAs);
        SystemConfig::getInstance()->setLogoPost(stored);
        openHeaderPage();
        QCOMPARE(sideBox()->currentIndex(), shownIndex);
        if (chosen != -2)
            sideBox()->setCurrentIndex(chosen);
        QCOMPARE(save(), kOk);
        QCOMPARE(SystemConfig::getInstance()->getLogoPost(), savedAs);
    }

    // The languages with a text of their own, and one without: that gets the Chinese text in its own language (never
    // the source text), in the same layout.
    void textPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("heading");
        QTest::newRow("traditional Chinese") << 0 << "helpText_ch" << QString("常見問題");
        QTest::newRow("English") << 1 << "helpText_en" << QString("Lorix Real-time PCR FAQs");
        QTest::newRow("Spanish") << 2 << "helpText_sp" << QString("Preguntas frecuentes sobre Lorix Real-time PCR");
        QTest::newRow("Japanese") << 5 << "helpText_ch" << QString("よくある質問");
    }
    void textPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, shown);
        QFETCH(QString, heading);
        SystemConfig::getInstance()->setSystemLanguage(language);
        QString source;
        if (language >= 3) {
            HelpAndFAQ::getInstance()->initWidget();
            source = HelpAndFAQ::getInstance()->findChild<QPlainTextEdit *>(shown)->toPlainText();
            HelpAndFAQ::getInstance()->releaseInstance();
        }
        QVERIFY(appTranslator.load(Appearance::translationFile(language)));
        QCoreApplication::installTranslator(&appTranslator);
        HelpAndFAQ *page = HelpAndFAQ::getInstance();
        page->initWidget();
        QStringList visible;
        for (auto *editor : page->findChildren<QPlainTextEdit *>(QRegularExpression("^helpText_(ch|sp|en)$"))) {
            QVERIFY(editor->isReadOnly());
            if (editor->isVisibleTo(page))
                visible << editor->objectName();
        }
        QCOMPARE(visible, QStringList{shown});
        const QStringList lines = page->findChild<QPlainTextEdit *>(shown)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), heading);
        if (!source.isEmpty()) { // the same layout, other words
            const QStringList a = source.split(QLatin1Char('\n'));
            QVERIFY(lines != a);
            QCOMPARE(lines.size(), a.size());
            for (int i = 0; i < a.size(); ++i)
                QCOMPARE(lines[i].startsWith(QStringLiteral("    ")), a[i].startsWith(QStringLiteral("    ")));
        }
    }
};

VIREON_TEST_MAIN(TstSettingPages)
#include "tst_settingpages.moc"
