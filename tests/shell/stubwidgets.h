#pragma once

#include "shell/idialogwidget.h"
#include "shell/ifunwidget.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <functional>

// A page that records what the main window does to it. Like the real pages
// it is a singleton per id that deletes itself on release.
class StubPage : public IFunWidget
{
    Q_OBJECT
public:
    static StubPage *getInstance(int id)
    {
        QPointer<StubPage> &slot = instances()[id];
        if (!slot)
            slot = new StubPage(id);
        return slot;
    }
    static QPointer<StubPage> existing(int id) { return instances().value(id); }
    static int built(int id) { return buildCounts().value(id); }

    void initWidget() override { ++initCount; }
    void updateWidget() override { ++updateCount; }
    bool canSwitchWidget(bool) override { return allowLeave; }
    void releaseInstance() override
    {
        ++releaseCount;
        close(); // WA_DeleteOnClose
    }
    QString getTitle() override { return QStringLiteral("stub %1").arg(m_id); }
    void netEventHandle(int id, QVariant data) override { netEvents << qMakePair(id, data); }
    void dialogEventHandle(bool result) override { dialogResults << result; }
    void httpEventHandle(int id, QVariant data) override { httpEvents << qMakePair(id, data); }

    int pageId() const { return m_id; }
    QList<int> netEventIds() const
    {
        QList<int> ids;
        for (const auto &e : netEvents)
            ids << e.first;
        return ids;
    }

    int initCount = 0;
    int updateCount = 0;
    int releaseCount = 0;
    bool allowLeave = true;
    QList<QPair<int, QVariant>> netEvents;
    QList<QPair<int, QVariant>> httpEvents;
    QList<bool> dialogResults;
    std::function<void()> onAction; // run by action()

public slots:
    void action()
    {
        if (onAction)
            onAction();
    }

private:
    explicit StubPage(int id)
        : m_id(id)
    {
        buildCounts()[id]++;
    }
    static QMap<int, QPointer<StubPage>> &instances()
    {
        static QMap<int, QPointer<StubPage>> map;
        return map;
    }
    static QMap<int, int> &buildCounts()
    {
        static QMap<int, int> map;
        return map;
    }
    int m_id;
};

// A dialog that, like the real ones, reports DLG_EVENT_CLOSE from its
// destructor.
class StubDialog : public IDialogWidget
{
    Q_OBJECT
public:
    explicit StubDialog(int type)
        : m_type(type)
    {
    }
    ~StubDialog() override { emit sendEvent(DLG_EVENT_CLOSE); }
    void updateDialog(QVariant data) override { filledWith = data; }
    void netEventHandle(int id, QVariant) override { netEventIds << id; }

    int type() const { return m_type; }
    QVariant filledWith;
    QList<int> netEventIds;

private:
    int m_type;
};
