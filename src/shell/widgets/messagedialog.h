#pragma once

#include "shell/widgets/shieldeddialog.h"

#include <QStringList>

class QHBoxLayout;
class QLabel;
class QPushButton;

// The program's message box: a frameless translucent dialog that centres
// itself and deletes itself when closed.
//   mode 0: "是" and "否" (focus on "否"), mode 1: "確定", mode 3: no button.
// exec() returns 1 for "是"/"確定", 0 for "否", Escape or any other close.
class MessageDialog : public ShieldedDialog
{
    Q_OBJECT
public:
    enum Mode {
        MODE_YES_NO = 0,
        MODE_OK = 1,
        MODE_NO_BUTTON = 3,
    };

    MessageDialog(QString text, int mode, bool showShield, QString title, QWidget *parent);

    QString text() const;
    QString title() const;
    int mode() const { return m_mode; }

public slots:
    int exec() override;

public:
    // Test seam: the next exec() returns answer at once, without a modal loop.
    static void pushNextAnswer(int answer);
    // Texts of every box exec()'d since the last clear (seam or real), kept
    // only while recording is on (off unless a test turns it on).
    static void setRecordShownTexts(bool on);
    static QStringList shownTexts();
    static void clearShownTexts();

private:
    void buildForm(const QString &text, const QString &title);
    void addButton(const QString &text, int result);

    int m_mode;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_textLabel = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QPushButton *m_noButton = nullptr;
};
