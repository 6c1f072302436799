#pragma once

#include <QDialog>
#include <QMargins>
#include <QPointer>

class QFrame;
class QVBoxLayout;
class ShieldWidget;

// Common ground of the program's small modal boxes: frameless, centred over
// the window that opened them, and optionally laid over a ShieldWidget that
// lives exactly as long as the box is visible.
class ShieldedDialog : public QDialog
{
    Q_OBJECT
public:
    ShieldedDialog(bool showShield, QWidget *parent);
    ~ShieldedDialog() override;

    bool showsShield() const { return m_showShield; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Deletes the box when it asked for it (WA_DeleteOnClose), as
    // QDialog::exec() does after a real modal loop.
    int finishWithoutLoop(int result);
    // The translucent box's visible frame ("messageFrame", styled by the
    // sheets) and the layout its contents go into.
    QVBoxLayout *buildFrame(const QMargins &margins);

private:
    void centre();

    bool m_showShield;
    QPointer<ShieldWidget> m_shield;
};
