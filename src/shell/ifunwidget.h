#pragma once

#include <QVariant>
#include <QWidget>

// Base of every page shown in the main window's page area.
class IFunWidget : public QWidget
{
    Q_OBJECT
public:
    enum WidgetType {
        WGT_MACHINE_CONNECT = 0,
        WGT_OTHER_SET = 1,
        WGT_MAINMENU = 2,
        WGT_HISTROY = 3,
        WGT_DATAMANAGE = 4,
        WGT_HOSPITALINFO_EDIT = 5,
        WGT_SYSTEM_SET = 6,
        WGT_SYSTEM_HELP = 7,
        WGT_CHECK_UPDATE = 8,
    };
    Q_ENUM(WidgetType)

    explicit IFunWidget(QWidget *parent = nullptr);

signals:
    void switchFunctionWidget(int id);
    void sendCmd(int cmd, QVariant data);
    void switchDialogWidget(int type, QVariant data);

public slots:
    virtual void initWidget() = 0;
    virtual void updateWidget() {}
    virtual bool canSwitchWidget(bool back)
    {
        Q_UNUSED(back)
        return true;
    }
    virtual void releaseInstance() { hide(); }
    virtual QString getTitle() = 0;
    virtual void netEventHandle(int id, QVariant data)
    {
        Q_UNUSED(id)
        Q_UNUSED(data)
    }
    virtual void dialogEventHandle(bool result) { Q_UNUSED(result) }
    virtual void httpEventHandle(int id, QVariant data)
    {
        Q_UNUSED(id)
        Q_UNUSED(data)
    }
};
