#include "shell/linkstatusindicator.h"

#include <QDebug>
#include <QIcon>
#include <QLabel>

LinkStatusIndicator::LinkStatusIndicator(QLabel *lamp, QLabel *text)
    : m_lamp(lamp)
    , m_text(text)
{
    setLamp(false);
    setStatus(StatusNone);
}

void LinkStatusIndicator::beginScan()
{
    m_scanning = true;
    setLamp(false);
    setStatus(StatusScanning);
}

void LinkStatusIndicator::endScan()
{
    m_scanning = false;
    setStatus(StatusScanFinished);
}

void LinkStatusIndicator::linkUp()
{
    setLamp(true);
    setStatus(StatusConnected);
}

void LinkStatusIndicator::linkDown()
{
    setLamp(false);
    setStatus(StatusDisconnected);
}

void LinkStatusIndicator::retranslate()
{
    if (m_text)
        m_text->setText(statusText());
}

QString LinkStatusIndicator::statusText() const
{
    switch (m_status) {
    case StatusScanning:
        return tr("儀器掃描中");
    case StatusScanFinished:
        return tr("儀器掃描完成");
    case StatusConnected:
        return tr("已連接儀器");
    case StatusDisconnected:
        return tr("儀器連結已斷開");
    case StatusNone:
        break;
    }
    return QString();
}

void LinkStatusIndicator::setLamp(bool green)
{
    m_green = green;
    if (m_lamp) {
        const QString image =
            green ? QStringLiteral(":/images/lamp-green.svg") : QStringLiteral(":/images/lamp-red.svg");
        const int px = qMax(16, m_lamp->height() > 0 ? qMin(m_lamp->height(), 24) : 20);
        m_lamp->setPixmap(QIcon(image).pixmap(px, px));
        m_lamp->setProperty("lampGreen", green);
    }
}

void LinkStatusIndicator::setStatus(Status status)
{
    static const char *const names[] = {"none", "scanning", "scan finished", "connected", "disconnected"};
    if (status != m_status)
        qDebug() << "Vireon link status:" << names[status] << (m_green ? "(lamp green)" : "(lamp red)");
    m_status = status;
    retranslate();
}
