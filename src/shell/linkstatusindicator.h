#pragma once

#include <QCoreApplication>
#include <QPointer>

class QLabel;

// The connection lamp and status text of the main window, and the link
// state (idle or scanning) that decides how link events are shown.
class LinkStatusIndicator
{
    Q_DECLARE_TR_FUNCTIONS(LinkStatusIndicator)
public:
    enum Status {
        StatusNone,
        StatusScanning,
        StatusScanFinished,
        StatusConnected,
        StatusDisconnected,
    };

    LinkStatusIndicator(QLabel *lamp, QLabel *text);

    void beginScan();   // lamp red, "儀器掃描中", scanning
    void endScan();     // idle, "儀器掃描完成"
    void linkUp();      // lamp green, "已連接儀器"
    void linkDown();    // lamp red, "儀器連結已斷開"
    void retranslate(); // texts again in the current language

    bool isScanning() const { return m_scanning; }
    bool isLampGreen() const { return m_green; }
    Status status() const { return m_status; }
    QString statusText() const;

private:
    void setLamp(bool green);
    void setStatus(Status status);

    QPointer<QLabel> m_lamp;
    QPointer<QLabel> m_text;
    bool m_scanning = false;
    bool m_green = false;
    Status m_status = StatusNone;
};
