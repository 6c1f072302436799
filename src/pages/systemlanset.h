#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

namespace Ui {
class SystemLanSet;
}

// Switches the interface language (the one global translator) and the
// display size (one of three compiled-in style sheets) at run time and
// stores both choices for the next start.
class SystemLanSet : public IFunWidget
{
    Q_OBJECT
public:
    static SystemLanSet *getInstance();
    ~SystemLanSet() override;

    void initWidget() override;
    void releaseInstance() override;
    QString getTitle() override;

    int installedLanguage() const { return languageIndex; }
    int displaySize() const { return fontSizeIndex; }

public slots:
    void on_savePushButton_clicked();
    void on_savePushButton_2_clicked();

private:
    friend class Singleton<SystemLanSet>;
    explicit SystemLanSet(QWidget *parent = nullptr);
    void setPageTexts();
    void fillLanguageBox();
    void fillSizeBox();
    bool switchTranslator(int index);

    Ui::SystemLanSet *ui = nullptr;
    int languageIndex = 0;
    int fontSizeIndex = 1;
};
