#pragma once

#include "shell/widgets/shieldeddialog.h"

#include <QStringList>

class QComboBox;
class QLabel;

// A frameless modal choice: a prompt, a combo box of items and two buttons.
// exec() returns the chosen item's index when the first button is pressed,
// else -1. The dialog deletes itself when closed.
class ChooseDialog : public ShieldedDialog
{
    Q_OBJECT
public:
    ChooseDialog(QStringList items, QString text, bool showShield, QWidget *parent);

public slots:
    int exec() override;
    // Escape and closing the window count as cancelling, not as index 0.
    void reject() override;

public:
    // Test seam: the next exec() returns index at once, without a modal loop.
    static void pushNextAnswer(int index);
    // Items and prompt of the last dialog exec()'d (seam or real).
    static QStringList lastItems();
    static QString lastText();

private:
    QStringList m_items;
    QString m_text;
    QComboBox *m_comboBox = nullptr;
};
