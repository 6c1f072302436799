#pragma once

#include "shell/idialogwidget.h"
#include "shell/ifunwidget.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <functional>

// Recorders the factories' test seam hands to the main window, to see what
// it routes to a page or a dialog.

// Like the real pages, a singleton per id that deletes itself on release.
class StubPage : public IFunWidget
{
    Q_OBJECT
public:
    static StubPage *getInstance(int id)
    {
        QPointer<StubPage> &slot = s_instances[id];
        if (!slot)
            slot = new StubPage(id);
        return slot;
    }
    static int built(int id) { return s_built.value(id); }

    void initWidget() override { ++initCount; }
    void updateWidget() override { ++updateCount; }
    bool canSwitchWidget(bool) override { return allowLeave; }
    void releaseInstance() override
    {
        ++releaseCount;
        close();
    } // WA_DeleteOnClose
    QString getTitle() override { return QStringLiteral("stub %1").arg(m_id); }
    void netEventHandle(int id, QVariant data) override { netEvents << qMakePair(id, data); }
    void dialogEventHandle(bool result) override { dialogResults << result; }
    void httpEventHandle(int id, QVariant data) override { httpEvents << qMakePair(id, data); }

    QList<int> netEventIds() const
    {
        QList<int> ids;
        for (const auto &e : netEvents)
            ids << e.first;
        return ids;
    }

    int initCount = 0, updateCount = 0, releaseCount = 0;
    bool allowLeave = true;
    QList<QPair<int, QVariant>> netEvents, httpEvents;
    QList<bool> dialogResults;

private:
    explicit StubPage(int id)
        : m_id(id)
    {
        ++s_built[id];
    }
    static inline QMap<int, QPointer<StubPage>> s_instances;
    static inline QMap<int, int> s_built;
    int m_id;
};

// Like the real dialogs, reports DLG_EVENT_CLOSE from its destructor.
class StubDialog : public IDialogWidget
{
    Q_OBJECT
public:
    ~StubDialog() override { emit sendEvent(DLG_EVENT_CLOSE); }
    void updateDialog(QVariant) override {}
    void netEventHandle(int id, QVariant) override { netEventIds << id; }

    QList<int> netEventIds;
};
