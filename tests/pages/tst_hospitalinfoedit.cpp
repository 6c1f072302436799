#include "support/testenv.h"

#include "core/systemconfig.h"
#include "pages/hospitalinfoedit.h"
#include "pages/pagefixture.h"
#include "shell/filedialogs.h"
#include "shell/widgets/messagedialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolButton>

namespace {
const QString kOk = QStringLiteral("保存成功！");
const QString kFailed = QStringLiteral("保存失敗！");

using PageFixture::readFile;

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

class TstHospitalInfoEdit : public QObject
{
    Q_OBJECT
private:
    QPointer<HospitalInfoEdit> m_page;
    QString m_wide; // 300 x 120 PNG
    QString m_tall; // 40 x 100 PNG, the "old" logo
    QString m_noImage;

    HospitalInfoEdit *openPage()
    {
        m_page = HospitalInfoEdit::getInstance();
        m_page->initWidget();
        return m_page;
    }
    QLabel *preview() const { return m_page->findChild<QLabel *>(QStringLiteral("ImageLab")); }
    QComboBox *sideBox() const { return m_page->findChild<QComboBox *>(QStringLiteral("logo_post_combox")); }
    QString save()
    {
        return PageFixture::shownBy([this]() { m_page->on_saveInfoBtn_clicked(); }).value(0);
    }
    void choose(const QString &file)
    {
        FileDialogs::pushNextFileName(file);
        m_page->on_getLogoPathBtn_clicked();
    }
    static void resetLogoFolder()
    {
        QFile::remove(QStringLiteral("app/Logo"));
        QDir(QStringLiteral("app/Logo")).removeRecursively();
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(QStringLiteral("pictures"));
        m_wide = QDir::current().absoluteFilePath(QStringLiteral("pictures/wide.png"));
        m_tall = QDir::current().absoluteFilePath(QStringLiteral("pictures/tall.png"));
        m_noImage = QDir::current().absoluteFilePath(QStringLiteral("pictures/notes.png"));
        QVERIFY(writeImage(m_wide, 300, 120, Qt::red));
        QVERIFY(writeImage(m_tall, 40, 100, Qt::blue));
        QVERIFY(PageFixture::writeFile(m_noImage, "not a picture at all\n"));
    }

    void cleanup()
    {
        if (m_page)
            m_page->releaseInstance();
        QVERIFY(!m_page);
        FileDialogs::clearPending();
        MessageDialog::clearShownTexts();
        resetLogoFolder();
    }

    void headerTextsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("commas") << QStringLiteral("Happy Paws, Clinic, Ltd");
        QTest::newRow("quotes") << QStringLiteral("\"Dr\" O'Brien \"\"");
        QTest::newRow("semicolons and ini marks") << QStringLiteral("a;b ; c # d = e [f] \\g");
        QTest::newRow("cjk") << QStringLiteral("台北動物醫院（信義）、王醫師");
        QTest::newRow("surrounding blanks") << QStringLiteral("  two  words  ");
    }
    void headerTextsRoundTrip()
    {
        QFETCH(QString, text);
        openPage();
        const char *fields[] = {"HospitalLineEdit", "DoctorLineEdit", "TelephoneLineEdit", "AddressLineEdit",
                                "filePathLineEdit"};
        for (int i = 0; i < 5; ++i)
            edit(m_page, fields[i])->setText(text + QString::number(i));
        QCOMPARE(save(), kOk);

        // What a new settings reader finds on disk, and what a new page shows.
        const char *keys[] = {"PrintConfig/HospitalName", "PrintConfig/DoctorName", "PrintConfig/HospitalPhone",
                              "PrintConfig/HospitalAddress", "PdfConfig/PdfSavepath"};
        for (int i = 0; i < 5; ++i) {
            QVariant onDisk = TestEnv::iniValue(QLatin1String(keys[i]));
            QCOMPARE(onDisk.toString(), text + QString::number(i));
        }
        m_page->releaseInstance();
        openPage();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(edit(m_page, fields[i])->text(), text + QString::number(i));
        QVERIFY(edit(m_page, "filePathLineEdit")->isReadOnly());
    }

    // Each row: the logo file before (none, the tall image, a folder in its
    // place, a file where its folder belongs), the pickers' answers, the
    // expected message and logo afterwards.
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
        QTest::newRow("the logo file itself") << "tall" << QStringList{"logo"} << kOk << "tall";
        QTest::newRow("the logo file by another path") << "tall" << QStringList{"logo-other-path"} << kOk << "tall";
        QTest::newRow("not an image") << "tall" << QStringList{"text"} << kFailed << "tall";
        QTest::newRow("second choice cancelled") << "tall" << QStringList{wide, QString()} << kOk << "tall";
        QTest::newRow("nothing chosen") << "tall" << QStringList{} << kOk << "tall";
        QTest::newRow("chosen file gone before saving") << "tall" << QStringList{"gone"} << kOk << "tall";
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
            QVERIFY(PageFixture::writeFile(QStringLiteral("app/Logo"), QByteArray()));
        }
        const QString gone = QDir::current().absoluteFilePath(QStringLiteral("pictures/gone.png"));
        QVERIFY(QFile::copy(m_wide, gone));

        // The preview fits the label and keeps the ratio (to within a pixel).
        auto previewShows = [this](const QSize &source) {
            const QPixmap shown = preview()->pixmap(Qt::ReturnByValue);
            return !shown.isNull() && shown.width() <= preview()->width() && shown.height() <= preview()->height() &&
                   (shown.width() == preview()->width() || shown.height() == preview()->height()) &&
                   qAbs(shown.width() * source.height() - shown.height() * source.width()) <= source.width();
        };
        openPage();
        if (before == QLatin1String("tall"))
            QVERIFY(previewShows(QSize(40, 100)));
        else
            QVERIFY(preview()->pixmap(Qt::ReturnByValue).isNull());
        const QMap<QString, QString> files{
            {"wide", m_wide},
            {"logo", logo},
            {"logo-other-path", QDir::current().absoluteFilePath(QStringLiteral("app/../app/Logo/./logo.png"))},
            {"text", m_noImage},
            {"gone", gone}};
        for (const QString &pick : picks) {
            choose(files.value(pick)); // an empty pick cancels
            QCOMPARE(FileDialogs::lastRequest().kind, QStringLiteral("open"));
        }
        QVERIFY(QFile::remove(gone));

        QCOMPARE(save(), message);
        if (picks.size() == 2 && picks.first() == picks.last())
            QCOMPARE(save(), message); // the kept choice is copied again

        if (after == QLatin1String("wide") || after == QLatin1String("tall")) {
            QCOMPARE(readFile(logo), readFile(after == QLatin1String("wide") ? m_wide : m_tall));
            QVERIFY(previewShows(after == QLatin1String("wide") ? QSize(300, 120) : QSize(40, 100)));
        } else if (after == QLatin1String("folder")) {
            QVERIFY(QFileInfo(logo).isDir());
            QVERIFY(preview()->pixmap(Qt::ReturnByValue).isNull());
        } else if (after == QLatin1String("plain-file")) {
            QVERIFY(QFileInfo(QStringLiteral("app/Logo")).isFile());
        }
        // No temporary file is left beside the logo.
        if (QFileInfo(QStringLiteral("app/Logo")).isDir()) {
            const QStringList left = QDir(QStringLiteral("app/Logo")).entryList(QDir::Files | QDir::Hidden);
            QVERIFY2(left.size() <= 1, qPrintable(left.join(',')));
        }
        QVERIFY(QFile::exists(m_wide) && QFile::exists(m_tall));
    }

    void pdfFolderChoice_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("taken");
        QTest::newRow("existing folder") << QDir::current().absoluteFilePath(QStringLiteral("pictures")) << true;
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("missing folder") << QStringLiteral("/no/such/place") << false;
        QTest::newRow("a file, not a folder") << m_wide << false;
    }
    void pdfFolderChoice()
    {
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        const QString stored = QDir::current().absoluteFilePath(QStringLiteral("app"));
        SystemConfig::getInstance()->setPdfSavepath(stored);
        openPage();
        edit(m_page, "filePathLineEdit")->setText(QStringLiteral("edited"));
        FileDialogs::pushNextFileName(answer);
        m_page->on_filePathBtn_clicked();
        const FileDialogs::Request request = FileDialogs::lastRequest();
        QCOMPARE(request.kind, QStringLiteral("directory"));
        QCOMPARE(request.dir, stored); // the stored folder, not the edited text
        QVERIFY(request.options.testFlag(QFileDialog::ShowDirsOnly));
        QVERIFY(request.options.testFlag(QFileDialog::DontResolveSymlinks));
        QCOMPARE(edit(m_page, "filePathLineEdit")->text(), taken ? answer : stored);
        // Nothing is stored before the save button.
        QCOMPARE(SystemConfig::getInstance()->getPdfSavepath(), stored);
    }

    void logoSide_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("savedAs");
        QTest::newRow("left kept") << 0 << 0 << -2 << 0;
        QTest::newRow("right kept") << 1 << 1 << -2 << 1;
        QTest::newRow("left to right") << 0 << 0 << 1 << 1;
        QTest::newRow("right to left") << 1 << 1 << 0 << 0;
        QTest::newRow("out of range stored") << 5 << -1 << -2 << 0;
        QTest::newRow("negative stored") << -1 << -1 << -2 << 0;
    }
    void logoSide()
    {
        QFETCH(int, stored);
        QFETCH(int, shownIndex);
        QFETCH(int, chosen);
        QFETCH(int, savedAs);
        SystemConfig::getInstance()->setLogoPost(stored);
        openPage();
        QCOMPARE(sideBox()->currentIndex(), shownIndex);
        if (chosen != -2)
            sideBox()->setCurrentIndex(chosen);
        QCOMPARE(save(), kOk);
        QCOMPARE(SystemConfig::getInstance()->getLogoPost(), savedAs);
    }

    void staticPointerClearedWhoeverDeletes() { PageFixture::checkSingletonLifetime<HospitalInfoEdit>(); }
};

VIREON_TEST_MAIN(TstHospitalInfoEdit)
#include "tst_hospitalinfoedit.moc"
