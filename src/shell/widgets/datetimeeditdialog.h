#pragma once

#include "shell/widgets/shieldeddialog.h"

#include <QDateTime>

class QHBoxLayout;
class QSpinBox;

// A modal date-time editor with six tumblers: year (1970 to 2035), month,
// day, hour, minute and second. exec() returns 1 when the user confirms,
// after writing the choice into the given date-time, else 0 leaving it as it
// was.
class DatetimeEditDialog : public ShieldedDialog
{
    Q_OBJECT
public:
    static constexpr int kFirstYear = 1970;
    static constexpr int kLastYear = 2035;

    DatetimeEditDialog(QDateTime *dateTime, QString title, bool showShield, QWidget *parent);

    // The date-time the tumblers show now.
    QDateTime chosenDateTime() const;

public slots:
    void done(int result) override;

private:
    QSpinBox *addTumbler(const QString &objectName, int minimum, int maximum, const QString &suffix);
    void fitDayRange();

    QDateTime *m_target;
    QSpinBox *m_year = nullptr;
    QSpinBox *m_month = nullptr;
    QSpinBox *m_day = nullptr;
    QSpinBox *m_hour = nullptr;
    QSpinBox *m_minute = nullptr;
    QSpinBox *m_second = nullptr;
    QHBoxLayout *m_row = nullptr;
};
