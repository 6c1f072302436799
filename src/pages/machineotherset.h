#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

namespace Ui {
class MachineOtherSet;
}

// Asks the connected instrument for its data file and shows the upload's
// progress; a second row installs a database file picked on this PC.
class MachineOtherSet : public IFunWidget
{
    Q_OBJECT
public:
    static MachineOtherSet *getInstance();
    ~MachineOtherSet() override;

    void initWidget() override;
    void releaseInstance() override;
    QString getTitle() override;
    void netEventHandle(int id, QVariant data) override;

public slots:
    void on_pushButton_clicked();
    void on_btnLoadFile_clicked();

private:
    friend class Singleton<MachineOtherSet>;
    explicit MachineOtherSet(QWidget *parent = nullptr);

    Ui::MachineOtherSet *ui = nullptr;
};
