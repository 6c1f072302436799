#include "pages/systemlanset.h"
#include "ui_systemlanset.h"

#include "core/common.h"
#include "core/systemconfig.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

namespace {
constexpr int kLanguageCount = 6;

struct SizeEntry {
    const char *text;
    const char *sheet;
};
const SizeEntry kSizes[] = {
    {QT_TRANSLATE_NOOP("SystemLanSet", "小號"), "app-small"},
    {QT_TRANSLATE_NOOP("SystemLanSet", "中號"), "app"},
    {QT_TRANSLATE_NOOP("SystemLanSet", "大號"), "app-max"},
};
constexpr int kSizeCount = int(sizeof(kSizes) / sizeof(kSizes[0]));

void showMessage(const QString &text)
{
    (new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}
} // namespace

SystemLanSet *SystemLanSet::getInstance()
{
    return Singleton<SystemLanSet>::instance();
}

SystemLanSet::SystemLanSet(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::SystemLanSet)
{
    ui->setupUi(this);
}

SystemLanSet::~SystemLanSet()
{
    delete ui;
    Singleton<SystemLanSet>::forget(this);
}

void SystemLanSet::releaseInstance()
{
    Singleton<SystemLanSet>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString SystemLanSet::getTitle()
{
    return tr("語言設置");
}

void SystemLanSet::setPageTexts()
{
    ui->retranslateUi(this);
}

void SystemLanSet::fillLanguageBox()
{
    ui->comboBox->clear();
    for (int i = 0; i < kLanguageCount; ++i)
        ui->comboBox->addItem(Common::getInstance()->getLanguageName(i));
    if (languageIndex >= 0 && languageIndex < kLanguageCount)
        ui->comboBox->setCurrentIndex(languageIndex);
}

void SystemLanSet::fillSizeBox()
{
    ui->comboBox_2->clear();
    for (const SizeEntry &entry : kSizes)
        ui->comboBox_2->addItem(tr(entry.text), QString::fromLatin1(entry.sheet));
    fontSizeIndex = SystemConfig::getInstance()->getFontSize() & 0xff;
    ui->comboBox_2->setCurrentIndex(fontSizeIndex);
}

void SystemLanSet::initWidget()
{
    setPageTexts();
    languageIndex = SystemConfig::getInstance()->getSystemLanguage();
    fillLanguageBox();
    fillSizeBox();
}

// Loads the language's file into the global translator. The file is tried in
// a translator of its own first, so a missing or broken file leaves the
// language in force untouched. Traditional Chinese is the source language and
// works without its file.
bool SystemLanSet::switchTranslator(int index)
{
    const QString file = Appearance::translationFile(index);
    QTranslator probe;
    if (!probe.load(file) && index != 0) {
        qDebug() << "ERR: translation file not loaded, the language stays" << languageIndex << file;
        return false;
    }
    // Removing and installing each send the language-change event; the main
    // window rebuilds its navigation list when it gets them.
    QCoreApplication::removeTranslator(&appTranslator);
    const bool loaded = appTranslator.load(file);
    if (!loaded && index != 0) {
        qDebug() << "ERR: translation file vanished while loading, the language stays" << languageIndex << file;
        appTranslator.load(Appearance::translationFile(languageIndex));
        QCoreApplication::installTranslator(&appTranslator);
        return false;
    }
    QCoreApplication::installTranslator(&appTranslator);
    return true;
}

void SystemLanSet::on_savePushButton_clicked()
{
    const int index = ui->comboBox->currentIndex();
    if (index < 0 || index >= kLanguageCount) {
        qDebug() << "void SystemLanSet::on_savePushButton_clicked()"
                 << "no language chosen";
        return;
    }
    if (index != languageIndex) {
        if (!switchTranslator(index)) {
            // The list shows the language still in force.
            ui->comboBox->setCurrentIndex(languageIndex);
            showMessage(tr("保存失敗！"));
            return;
        }
        SystemConfig::getInstance()->setSystemLanguage(index);
        setPageTexts();
        languageIndex = index;
        fillLanguageBox();
        fillSizeBox();
    }
    showMessage(tr("設置成功！"));
}

void SystemLanSet::on_savePushButton_2_clicked()
{
    SystemConfig *config = SystemConfig::getInstance();
    const int current = ui->comboBox_2->currentIndex();
    // No entry is current when the stored value names no size: the size in
    // force stays, as start-up chose it, and is stored as such.
    fontSizeIndex = current >= 0 && current < kSizeCount ? current : Appearance::sizeIndex(config->getFontSize());
    config->setFontSize(quint8(fontSizeIndex & 0xff));
    ui->comboBox_2->setCurrentIndex(fontSizeIndex);
    const QString name = QString::fromLatin1(kSizes[fontSizeIndex].sheet);
    qDebug().noquote() << "on_savePushButton_2_clicked" << 142 << fontSizeIndex << name;
    // The sheet's style-change event reaches the main window, which rebuilds
    // its navigation list for the new size.
    Appearance::applyStyle(fontSizeIndex);
    showMessage(tr("設置成功！"));
}
