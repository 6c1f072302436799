#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

#include <QString>

namespace Ui {
class HospitalInfoEdit;
}

// Edits the report header: hospital texts, the PDF folder, the logo image and
// the side the report draws it on. Every value lives in the settings store;
// the logo lives as the one file "./app/Logo/logo.png".
class HospitalInfoEdit : public IFunWidget
{
    Q_OBJECT
public:
    static HospitalInfoEdit *getInstance();
    ~HospitalInfoEdit() override;

    void initWidget() override;
    bool canSwitchWidget(bool back) override;
    void releaseInstance() override;
    QString getTitle() override;

    static QString logoFilePath();
    // Copies image over the logo file through a temporary file, so a failed
    // copy leaves the old logo as it was. True when the logo file now holds
    // the image (also when image is the logo file itself).
    static bool installLogo(const QString &image);

public slots:
    void on_getLogoPathBtn_clicked();
    void on_saveInfoBtn_clicked();
    void on_filePathBtn_clicked();

private:
    friend class Singleton<HospitalInfoEdit>;
    explicit HospitalInfoEdit(QWidget *parent = nullptr);
    void showPreview(const QString &file);

    Ui::HospitalInfoEdit *ui = nullptr;
    QString logoPath;
};
