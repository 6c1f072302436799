#include "shell/widgets/netaddresswidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

NetAddressWidget::NetAddressWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("NetAddressWidget"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // One octet, 0 to 255, no leading zeros; an empty field is allowed.
    const QRegularExpression octet(QStringLiteral("^(25[0-5]|2[0-4][0-9]|1[0-9]{2}|[1-9]?[0-9])?$"));
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto *dot = new QLabel(QStringLiteral("."), this);
            dot->setObjectName(QStringLiteral("netAddressDot"));
            layout->addWidget(dot);
        }
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("octetEdit%1").arg(i + 1));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(3);
        edit->setValidator(new QRegularExpressionValidator(octet, edit));
        connect(edit, &QLineEdit::editingFinished, this, [this, edit]() { onFieldEditingFinished(edit); });
        layout->addWidget(edit, 1);
        m_fields[i] = edit;
    }
    m_fields[3]->setEnabled(false);
}

QString NetAddressWidget::getNetAddress() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_fields[i]->text().isEmpty())
            return QString();
    }
    QStringList parts;
    for (QLineEdit *edit : m_fields)
        parts << edit->text();
    return parts.join(QLatin1Char('.'));
}

void NetAddressWidget::setNetAddress(const QString &address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4) {
        for (QLineEdit *edit : m_fields)
            edit->setText(QStringLiteral("0"));
        return;
    }
    for (int i = 0; i < 3; ++i)
        m_fields[i]->setText(parts[i]);
    m_fields[3]->setText(m_lastFieldEnabled ? parts[3] : QStringLiteral("1"));
}

void NetAddressWidget::setLastFieldEnabled()
{
    m_lastFieldEnabled = true;
    m_fields[3]->setEnabled(true);
}

void NetAddressWidget::onFieldEditingFinished(QLineEdit *field)
{
    const QString trimmed = field->text().trimmed();
    field->setText(trimmed.isEmpty() ? QStringLiteral("0") : trimmed);
    emit send_editingFinished();
}
