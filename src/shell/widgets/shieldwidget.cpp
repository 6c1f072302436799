#include "shell/widgets/shieldwidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

ShieldWidget::ShieldWidget(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool)
{
    setObjectName(QStringLiteral("ShieldWidget"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void ShieldWidget::showCentered()
{
    QRect area;
    if (QWidget *window = QApplication::activeWindow())
        area = window->frameGeometry();
    if (area.isEmpty()) {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    }
    if (!area.isEmpty())
        setGeometry(area);
    show();
}

void ShieldWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}
