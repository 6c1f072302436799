#pragma once

#include <QWidget>

class QLineEdit;

// An IPv4 address editor: four octet fields (0 to 255, empty allowed while
// typing). The fourth field stays disabled until setLastFieldEnabled().
class NetAddressWidget : public QWidget
{
    Q_OBJECT
public:
    explicit NetAddressWidget(QWidget *parent = nullptr);

    // The four texts joined with "."; empty when one of the first three is.
    QString getNetAddress() const;
    void setNetAddress(const QString &address);
    void setLastFieldEnabled();

    QLineEdit *field(int index) const { return m_fields[index]; }

signals:
    void send_editingFinished();

private:
    void onFieldEditingFinished(QLineEdit *field);

    QLineEdit *m_fields[4] = {};
    bool m_lastFieldEnabled = false;
};
