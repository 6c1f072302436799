#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

class QHBoxLayout;
class QPlainTextEdit;

// The help and FAQ text, read-only, in the interface language: one editor per
// written text (traditional Chinese, Spanish, English); the languages without
// a text of their own read the Chinese one through their translation.
class HelpAndFAQ : public IFunWidget
{
    Q_OBJECT
public:
    static HelpAndFAQ *getInstance();
    ~HelpAndFAQ() override;

    void initWidget() override;
    void releaseInstance() override;
    QString getTitle() override;

private:
    friend class Singleton<HelpAndFAQ>;
    explicit HelpAndFAQ(QWidget *parent = nullptr);
    void setTexts();

    struct Form {
        QHBoxLayout *horizontalLayout_4 = nullptr;
        QPlainTextEdit *helpText_ch = nullptr;
        QPlainTextEdit *helpText_sp = nullptr;
        QPlainTextEdit *helpText_en = nullptr;
    };
    Form *ui = nullptr;
};
