#pragma once

// Helpers shared by the page tests: children by name, the message box seam
// and the page singletons.

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

// A page singleton deleted by anyone (as a scroll area would) leaves no
// dangling pointer: the next getInstance() builds a new page.
template <class Page> void checkSingletonLifetime()
{
    Page *first = Page::getInstance();
    QCOMPARE(Page::getInstance(), first);
    delete first;
    QPointer<Page> second = Page::getInstance();
    QVERIFY(second);
    second->releaseInstance();
    QVERIFY(!second);
}

} // namespace PageFixture
