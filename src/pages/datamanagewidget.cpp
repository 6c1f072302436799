#include "pages/datamanagewidget.h"

#include "database/dbmanage.h"
#include "shell/filedialogs.h"
#include "shell/widgets/messagedialog.h"

#include "ui_datamanagewidget.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
constexpr qint64 kCopyChunk = 256 * 1024;

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}
} // namespace

DataManageWidget *DataManageWidget::getInstance()
{
    return Singleton<DataManageWidget>::instance();
}

DataManageWidget::DataManageWidget(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::DataManageWidget)
{
    ui->setupUi(this);
}

DataManageWidget::~DataManageWidget()
{
    delete ui;
    Singleton<DataManageWidget>::forget(this);
}

void DataManageWidget::releaseInstance()
{
    Singleton<DataManageWidget>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString DataManageWidget::getTitle()
{
    return tr("數據管理");
}

bool DataManageWidget::canSwitchWidget(bool back)
{
    Q_UNUSED(back)
    return true;
}

void DataManageWidget::initWidget()
{
    setWindowTitle(tr("Form"));
    ui->titleGroupBox->setTitle(tr("匯入匯出"));
    ui->btn_Importing->setText(tr("匯入數據"));
    ui->btn_Export->setText(tr("匯出數據"));
}

QString DataManageWidget::databaseFile()
{
    return QStringLiteral("%1/AppDatabase.db").arg(QStringLiteral("./app"));
}

bool DataManageWidget::copyDevice(QIODevice *source, QIODevice *target)
{
    QByteArray buffer;
    for (;;) {
        buffer.resize(int(kCopyChunk));
        const qint64 got = source->read(buffer.data(), kCopyChunk);
        if (got < 0) {
            qDebug() << Q_FUNC_INFO << "read failed" << source->errorString();
            return false;
        }
        if (got == 0)
            return source->atEnd();
        if (target->write(buffer.constData(), got) != got) {
            qDebug() << Q_FUNC_INFO << "write failed" << target->errorString();
            return false;
        }
    }
}

bool DataManageWidget::copyFileToPath(QString source, QString target)
{
    // The source first: a source that cannot be read must not cost the
    // target its contents.
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "bool DataManageWidget::copyFileToPath(QString, QString)"
                 << "err open sourceFile" << source << in.errorString();
        return false;
    }
    if (sameFile(source, target))
        return true; // already there; writing it onto itself would empty it
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        qDebug() << "bool DataManageWidget::copyFileToPath(QString, QString)"
                 << "err open appfile" << target << out.errorString();
        return false;
    }
    if (!copyDevice(&in, &out)) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        qDebug() << Q_FUNC_INFO << "commit failed" << target << out.errorString();
        return false;
    }
    return true;
}

void DataManageWidget::showMessage(const QString &text)
{
    (new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}

bool DataManageWidget::askYesNo(const QString &text)
{
    return (new MessageDialog(text, MessageDialog::MODE_YES_NO, true, QString(), nullptr))->exec() == 1;
}

bool DataManageWidget::importDatabase(const QString &path)
{
    const QString target = databaseFile();
    qDebug() << path << "||" << target;
    if (sameFile(path, target))
        return true; // the database itself: nothing to install
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        qDebug() << "bool DataManageWidget::copyFileToPath(QString, QString)"
                 << "err open sourceFile" << path << probe.errorString();
        return false;
    }
    probe.close();
    // Validated, backed up and installed under a reopened connection; any
    // refusal leaves the current database open and untouched.
    DbManage *db = DbManage::instance();
    return db && db->replaceDatabase(path);
}

void DataManageWidget::on_btn_Importing_clicked()
{
    const QString filter = QStringLiteral("%1(*.db);;%2(*.*)").arg(tr("資料庫檔案"), tr("所有文件"));
    const QString path = FileDialogs::getOpenFileName(this, tr("選擇一個資料庫"), desktopFolder(), filter);
    if (path.isEmpty())
        return;
    bool ok = false;
    if (path.contains(QLatin1String(".db")))
        ok = importDatabase(path);
    showMessage(ok ? tr("資料庫檔案匯入成功！") : tr("資料庫檔案匯入失敗！"));
}

bool DataManageWidget::exportDatabase(const QString &path)
{
    if (!path.contains(QLatin1String(".db")))
        return false;
    return copyFileToPath(databaseFile(), path);
}

void DataManageWidget::on_btn_Export_clicked()
{
    const QString defaultName = QStringLiteral("%1/AppDatabase.db").arg(desktopFolder());
    const QString filter = QStringLiteral("%1(*.db)").arg(tr("資料庫檔案"));
    QString path = FileDialogs::getSaveFileName(this, tr("保存為資料庫檔案"), defaultName, filter);
    if (path.isEmpty())
        return;
    // The dialog confirmed the name it returned. The suffix added here makes
    // another name, which an earlier export may hold: that is asked here.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1String(".db");
        if (QFileInfo::exists(path) &&
            !askYesNo(tr("檔案已存在，是否取代？\n%1").arg(QDir::toNativeSeparators(path)))) {
            qDebug() << "save: not replacing" << path;
            return;
        }
    }
    qDebug() << "save:" << path;
    showMessage(exportDatabase(path) ? tr("資料庫檔案匯出成功！") : tr("資料庫檔案匯出失敗！"));
}
