#pragma once

// Helpers shared by the page tests: children by name and the message box seam.

#include "shell/widgets/messagedialog.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QPointer>

namespace PageFixture {

template <class T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

inline QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Runs `action` with the next message box answered by `answer`; returns the
// texts of the boxes it showed.
template <class F> QStringList shownBy(F action, int answer = 1)
{
    MessageDialog::clearShownTexts();
    MessageDialog::pushNextAnswer(answer);
    action();
    return MessageDialog::shownTexts();
}

} // namespace PageFixture
