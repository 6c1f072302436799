#pragma once

#include "shell/idialogwidget.h"

#include <QDate>
#include <QPointer>

class SampleInfoAccess;
namespace Ui {
class SampleQueryDlg;
}

// Narrows the history page's table to one sample ID, one date range or both:
// it counts the matching done records and, when there are any, stores the
// filter in the page's access object and asks for the page to be refreshed.
class SampleQueryDlg : public IDialogWidget
{
    Q_OBJECT
public:
    explicit SampleQueryDlg(QWidget *parent = nullptr);
    ~SampleQueryDlg() override;

    // The payload is the page's access object as a QObject pointer.
    void updateDialog(QVariant data) override;

public slots:
    void on_btnQuery_clicked();

private:
    bool readInput(QDate *start, QDate *end, QString *sampleId);

    Ui::SampleQueryDlg *ui = nullptr;
    // Not owned: the page owns it and may be deleted while this dialog is
    // open (the dialog is not modal).
    QPointer<SampleInfoAccess> m_pModelAcs;
};
