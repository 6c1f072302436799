#include "pages/hospitalinfoedit.h"
#include "ui_hospitalinfoedit.h"

#include "core/systemconfig.h"
#include "shell/filedialogs.h"
#include "shell/widgets/messagedialog.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
void showMessage(const QString &text)
{
    (new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}
} // namespace

HospitalInfoEdit *HospitalInfoEdit::getInstance()
{
    return Singleton<HospitalInfoEdit>::instance();
}

HospitalInfoEdit::HospitalInfoEdit(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::HospitalInfoEdit)
{
    ui->setupUi(this);
}

HospitalInfoEdit::~HospitalInfoEdit()
{
    delete ui;
    // Also when the scroll area deletes a page that was not released.
    Singleton<HospitalInfoEdit>::forget(this);
}

void HospitalInfoEdit::releaseInstance()
{
    Singleton<HospitalInfoEdit>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

bool HospitalInfoEdit::canSwitchWidget(bool back)
{
    Q_UNUSED(back)
    return true;
}

QString HospitalInfoEdit::getTitle()
{
    return tr("範本編輯");
}

QString HospitalInfoEdit::logoFilePath()
{
    return QStringLiteral("%1/%2/logo.png").arg(QStringLiteral("./app"), QStringLiteral("Logo"));
}

void HospitalInfoEdit::initWidget()
{
    ui->retranslateUi(this);
    SystemConfig *config = SystemConfig::getInstance();
    ui->HospitalLineEdit->setText(config->getHospitalName());
    ui->DoctorLineEdit->setText(config->getDoctorName());
    ui->TelephoneLineEdit->setText(config->getHospitalPhone());
    ui->AddressLineEdit->setText(config->getHospitalAddress());
    ui->filePathLineEdit->setText(config->getPdfSavepath());
    ui->filePathLineEdit->setReadOnly(true);
    // A text longer than its field shows its beginning, not its end.
    for (QLineEdit *edit :
         {ui->HospitalLineEdit, ui->DoctorLineEdit, ui->TelephoneLineEdit, ui->AddressLineEdit, ui->filePathLineEdit})
        edit->setCursorPosition(0);

    if (QFile::exists(logoFilePath()))
        showPreview(logoFilePath());
    else
        ui->ImageLab->setStyleSheet(QStringLiteral("border: 3px solid #4f9fb1;"));

    ui->logo_post_combox->clear();
    ui->logo_post_combox->addItem(tr("置左"), 0);
    ui->logo_post_combox->addItem(tr("置右"), 1);
    ui->logo_post_combox->setCurrentIndex(config->getLogoPost());
}

// The image scaled into the preview label, keeping its aspect ratio; a file
// that is missing or not an image clears the preview.
void HospitalInfoEdit::showPreview(const QString &file)
{
    // The label's size is only final once its row is laid out, which a page
    // that is not shown yet has not been.
    if (QLayout *row = ui->horizontalLayoutWidget_2->layout())
        row->activate();
    const QPixmap image(file);
    if (image.isNull()) {
        ui->ImageLab->setPixmap(QPixmap());
        return;
    }
    ui->ImageLab->setPixmap(
        image.scaled(ui->ImageLab->width(), ui->ImageLab->height(), Qt::KeepAspectRatio, Qt::FastTransformation));
}

void HospitalInfoEdit::on_filePathBtn_clicked()
{
    const QString stored = SystemConfig::getInstance()->getPdfSavepath();
    const QString folder = FileDialogs::getExistingDirectory(
        this, tr("Open Directory"), stored, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    // An empty answer is a cancelled dialog, not the working directory.
    if (!folder.isEmpty() && QDir(folder).exists())
        ui->filePathLineEdit->setText(folder);
    else
        ui->filePathLineEdit->setText(stored);
}

void HospitalInfoEdit::on_getLogoPathBtn_clicked()
{
    const QString filter = QStringLiteral("%1(*.png);;%2(*.*)").arg(tr("圖片檔"), tr("所有文件"));
    const QString chosen = FileDialogs::getOpenFileName(
        this, tr("選擇一個圖片檔"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), filter);
    // Refused now rather than failing every later save: the previous choice
    // stays. A cancelled dialog still clears the choice.
    if (!chosen.isEmpty() && !QImageReader(chosen).canRead()) {
        qDebug() << "ERR: the chosen logo is not a readable image:" << chosen;
        showMessage(tr("所選檔案不是可讀取的圖片！"));
        return;
    }
    logoPath = chosen;
    if (!logoPath.isEmpty() && QFile::exists(logoPath))
        showPreview(logoPath);
}

bool HospitalInfoEdit::installLogo(const QString &image)
{
    const QString target = logoFilePath();
    const QFileInfo source(image);
    if (!source.isFile()) {
        qDebug() << "ERR: the chosen logo is gone:" << image;
        return false;
    }
    // Choosing the logo file itself: it already holds the image.
    if (QFileInfo::exists(target) && source.canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    QImageReader reader(image);
    if (!reader.canRead()) {
        qDebug() << "ERR: the chosen logo is not a readable image:" << image << reader.errorString();
        return false;
    }
    QFile in(image);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "ERR: cannot read the chosen logo:" << image << in.errorString();
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFile::NoError || bytes.size() != in.size()) {
        qDebug() << "ERR: cannot read the chosen logo:" << image << in.errorString();
        return false;
    }
    if (!QDir().mkpath(QFileInfo(target).path())) {
        qDebug() << "ERR: cannot create the logo folder" << QFileInfo(target).path();
        return false;
    }
    // Written beside the target and renamed over it only when complete.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        qDebug() << "ERR: cannot write the logo file" << target << out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

void HospitalInfoEdit::on_saveInfoBtn_clicked()
{
    SystemConfig *config = SystemConfig::getInstance();
    config->setHospitalName(ui->HospitalLineEdit->text());
    config->setDoctorName(ui->DoctorLineEdit->text());
    config->setHospitalPhone(ui->TelephoneLineEdit->text());
    config->setHospitalAddress(ui->AddressLineEdit->text());
    config->setPdfSavepath(ui->filePathLineEdit->text());

    // A chosen image that is gone by now fails the logo step like any other.
    const bool logoSaved = logoPath.isEmpty() || installLogo(logoPath);
    showPreview(logoFilePath());

    const int post = ui->logo_post_combox->currentIndex() < 0 ? 0 : ui->logo_post_combox->currentData().toInt();
    config->setLogoPost(post);

    const bool stored = ui->HospitalLineEdit->text() == config->getHospitalName() &&
                        ui->DoctorLineEdit->text() == config->getDoctorName() &&
                        ui->TelephoneLineEdit->text() == config->getHospitalPhone() &&
                        ui->AddressLineEdit->text() == config->getHospitalAddress() &&
                        ui->filePathLineEdit->text() == config->getPdfSavepath() && post == config->getLogoPost();
    showMessage(stored && logoSaved ? tr("保存成功！") : tr("保存失敗！"));
}
