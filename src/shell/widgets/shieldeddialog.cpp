#include "shell/widgets/shieldeddialog.h"

#include "shell/widgets/shieldwidget.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

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

QVBoxLayout *ShieldedDialog::buildFrame(const QMargins &margins)
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("messageFrame"));
    outer->addWidget(frame);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(margins);
    layout->setSpacing(14);
    return layout;
}
