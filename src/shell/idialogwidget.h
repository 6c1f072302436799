#pragma once

#include <QVariant>
#include <QWidget>

// Base of the sample dialogs. A dialog is created anew for every opening,
// filled once through updateDialog() and deletes itself when closed. The main
// window shows it as a framed top-level window of its own; Escape closes it
// like the window's close button does.
class IDialogWidget : public QWidget
{
    Q_OBJECT
public:
    enum DialogType {
        DLG_SAMPLE_QUERY = 1,
        DLG_SAMPLE_REPORT = 2,
        DLG_SAMLPLE_SPLINE = 4,
    };
    Q_ENUM(DialogType)

    enum DialogEventType {
        DLG_EVENT_CLOSE = 0,
        DLG_EVENT_UPDATE = 1,
        DLG_EVENT_RESULT_TRUE = 2,
        DLG_EVENT_RESULT_FALSE = 3,
    };
    Q_ENUM(DialogEventType)

    explicit IDialogWidget(QWidget *parent = nullptr);

signals:
    void sendEvent(int type);
    void sendCmd(int cmd, QVariant data);

public slots:
    virtual void updateDialog(QVariant data) = 0;
    virtual void netEventHandle(int id, QVariant data)
    {
        Q_UNUSED(id)
        Q_UNUSED(data)
    }
    virtual bool dialogResult() { return false; }

protected:
    // Subclasses that handle keys of their own pass the rest on to this one.
    void keyPressEvent(QKeyEvent *event) override;
};
