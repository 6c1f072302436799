#include "shell/widgets/shieldeddialog.h"

#include "shell/widgets/shieldwidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

ShieldedDialog::ShieldedDialog(bool showShield, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_showShield(showShield)
{
    setModal(true);
}

ShieldedDialog::~ShieldedDialog()
{
    delete m_shield.data();
}

void ShieldedDialog::showEvent(QShowEvent *event)
{
    if (m_showShield && !m_shield) {
        m_shield = new ShieldWidget;
        m_shield->showCentered();
    }
    centre();
    QDialog::showEvent(event);
    raise();
}

void ShieldedDialog::hideEvent(QHideEvent *event)
{
    delete m_shield.data();
    QDialog::hideEvent(event);
}

int ShieldedDialog::finishWithoutLoop(int result)
{
    setResult(result);
    if (testAttribute(Qt::WA_DeleteOnClose))
        delete this;
    return result;
}

void ShieldedDialog::centre()
{
    adjustSize();
    QRect area;
    QWidget *owner = parentWidget() ? parentWidget()->window() : QApplication::activeWindow();
    if (owner && owner != this)
        area = owner->frameGeometry();
    if (area.isEmpty()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    QRect box = geometry();
    box.moveCenter(area.center());
    move(box.topLeft());
}
