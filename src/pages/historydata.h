#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"
#include "shell/widgets/celltiplabel.h"

#include <QList>
#include <QMap>
#include <QModelIndex>
#include <QPoint>
#include <QVector>

class QAction;
class QMenu;
class QStandardItemModel;
class SampleInfoAccess;
class SampleInfoModel;
namespace Ui {
class HistoryData;
}

// The start page: every done sample record, newest first, with the actions
// that open the review dialogs and fetch the instrument's data file.
// Table row i shows loaded record i; rows past the loaded records are blank.
class HistoryData : public IFunWidget
{
    Q_OBJECT
public:
    static HistoryData *getInstance();
    ~HistoryData() override;

    void initWidget() override;
    void updateWidget() override;
    void releaseInstance() override;
    QString getTitle() override;
    void netEventHandle(int id, QVariant data) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Pixels per character of the floating cell label (language and size).
    int labelCharWidth() const { return m_nLabCharWidth; }
    // The access object whose filter the query dialog sets.
    SampleInfoAccess *access() const { return m_pModelAcs; }

public slots:
    void initTable();
    void updateselect(QModelIndex index);
    void updateBtnEnable();
    void on_btnQuery_clicked();
    void on_btnReport1_clicked();
    void on_btnCurve_clicked();
    void on_exportData_clicked();
    void openFile();
    void on_exportData_2_clicked();
    void slotClearSelectIndex(QModelIndex index);
    void slotContextMenu(QPoint pos);
    void slotMenuActionChange(bool checked);

private:
    friend class Singleton<HistoryData>;
    explicit HistoryData(QWidget *parent = nullptr);

    void fillTable();
    void updatePageLabel();
    void initMenu();

    QStandardItemModel *buildModel();
    void attachModel(QStandardItemModel *model);
    void applyColumnWidths();
    void applySelectionMode(int mode);
    QList<int> selectedRowList() const;
    QList<int> selectedRecordRows() const;
    SampleInfoModel *recordAt(int row) const;
    QStringList smartModeKeys(int row) const;
    bool selectionModeKeys(const QList<int> &rows, QStringList *keys) const;

    Ui::HistoryData *ui = nullptr;
    int m_nRowsPerFetch = 100;
    QStandardItemModel *m_pTableModel = nullptr;
    SampleInfoAccess *m_pModelAcs = nullptr;
    int m_nOffset = 0;
    QMap<int, QString> m_mapRowKey;
    QMenu *m_pMenu = nullptr;
    QList<QAction *> m_listActions;
    int m_nSelectMode = 0;
    int m_nRunCount = 0;
    QString m_strExportPath;
    CellTipLabel m_labShow;
    int m_nLabCharWidth = 15;
    QVector<int> m_colWidths;

    static QPoint s_lastPos;
};
