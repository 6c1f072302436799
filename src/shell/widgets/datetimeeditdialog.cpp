#include "shell/widgets/datetimeeditdialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DatetimeEditDialog::DatetimeEditDialog(QDateTime *dateTime, QString title, bool showShield, QWidget *parent)
    : ShieldedDialog(showShield, parent)
    , m_target(dateTime)
{
    setObjectName(QStringLiteral("DatetimeEditDialog"));

    auto *layout = buildFrame(QMargins(24, 16, 24, 20));
    QWidget *frame = layout->parentWidget();

    auto *titleLabel = new QLabel(title, frame);
    titleLabel->setObjectName(QStringLiteral("messageTitle"));
    layout->addWidget(titleLabel);

    m_row = new QHBoxLayout;
    layout->addLayout(m_row);
    m_year = addTumbler(QStringLiteral("yearTumbler"), kFirstYear, kLastYear, tr("年"));
    m_month = addTumbler(QStringLiteral("monthTumbler"), 1, 12, tr("月"));
    m_day = addTumbler(QStringLiteral("dayTumbler"), 1, 31, tr("日"));
    m_hour = addTumbler(QStringLiteral("hourTumbler"), 0, 23, tr("時"));
    m_minute = addTumbler(QStringLiteral("minuteTumbler"), 0, 59, tr("分"));
    m_second = addTumbler(QStringLiteral("secondTumbler"), 0, 59, tr("秒"));

    const QDateTime start = (dateTime && dateTime->isValid()) ? *dateTime : QDateTime::currentDateTime();
    m_year->setValue(qBound(kFirstYear, start.date().year(), kLastYear));
    m_month->setValue(start.date().month());
    fitDayRange();
    m_day->setValue(start.date().day());
    m_hour->setValue(start.time().hour());
    m_minute->setValue(start.time().minute());
    m_second->setValue(start.time().second());
    connect(m_year, QOverload<int>::of(&QSpinBox::valueChanged), this, &DatetimeEditDialog::fitDayRange);
    connect(m_month, QOverload<int>::of(&QSpinBox::valueChanged), this, &DatetimeEditDialog::fitDayRange);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *okButton = new QPushButton(tr("確定"), frame);
    okButton->setObjectName(QStringLiteral("messageYesButton"));
    auto *cancelButton = new QPushButton(tr("取消"), frame);
    cancelButton->setObjectName(QStringLiteral("messageNoButton"));
    for (QPushButton *b : {okButton, cancelButton}) {
        b->setMinimumSize(100, 36);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, [this]() { done(1); });
    connect(cancelButton, &QPushButton::clicked, this, [this]() { done(0); });
}

QSpinBox *DatetimeEditDialog::addTumbler(const QString &objectName, int minimum, int maximum, const QString &suffix)
{
    auto *box = new QSpinBox(m_row->parentWidget());
    box->setObjectName(objectName);
    box->setRange(minimum, maximum);
    box->setWrapping(true);
    box->setAlignment(Qt::AlignCenter);
    box->setSuffix(suffix);
    box->setMinimumSize(maximum > 100 ? 96 : 72, 40);
    m_row->addWidget(box);
    return box;
}

void DatetimeEditDialog::fitDayRange()
{
    // February and the short months must not offer days they do not have.
    // A wrapping box would wrap an out-of-range day round to 1: clamp first.
    const int days = QDate(m_year->value(), m_month->value(), 1).daysInMonth();
    if (m_day->value() > days)
        m_day->setValue(days);
    m_day->setMaximum(days);
}

QDateTime DatetimeEditDialog::chosenDateTime() const
{
    return QDateTime(QDate(m_year->value(), m_month->value(), m_day->value()),
                     QTime(m_hour->value(), m_minute->value(), m_second->value()));
}

void DatetimeEditDialog::done(int result)
{
    const int answer = result == 1 ? 1 : 0;
    if (answer == 1 && m_target)
        *m_target = chosenDateTime();
    QDialog::done(answer);
}
