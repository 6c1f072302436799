#include "shell/navigationlist.h"

#include "shell/ifunwidget.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>

const QList<NavigationList::Row> &NavigationList::rows()
{
    static const QList<Row> list = {
        {QT_TR_NOOP("儀器IP設置"), IFunWidget::WGT_MACHINE_CONNECT, 0xf0e8}, // sitemap
        {QT_TR_NOOP("歷史數據"), IFunWidget::WGT_HISTROY, 0xf1da},           // history
        {QT_TR_NOOP("數據匯入匯出"), IFunWidget::WGT_DATAMANAGE, 0xf0ec},    // exchange
        {QT_TR_NOOP("範本設置"), IFunWidget::WGT_HOSPITALINFO_EDIT, 0xf0f6}, // file-text-o
        {QT_TR_NOOP("其他設置"), IFunWidget::WGT_SYSTEM_SET, 0xf085},        // cogs
        {QT_TR_NOOP("常見問題"), IFunWidget::WGT_SYSTEM_HELP, 0xf059},       // question-circle
        {QT_TR_NOOP("檢查更新"), IFunWidget::WGT_CHECK_UPDATE, 0xf021},      // refresh
    };
    return list;
}

NavigationList::Metrics NavigationList::metrics(int fontSize)
{
    switch (fontSize & 0xff) {
    case 0:
        return {180, 15, 18, 42};
    case 2:
        return {250, 21, 26, 56};
    default:
        return {210, 18, 22, 48};
    }
}

int NavigationList::rowOfPage(int pageId)
{
    const QList<Row> &all = rows();
    for (int i = 0; i < all.size(); ++i) {
        if (all[i].pageId == pageId)
            return i;
    }
    return -1;
}

int NavigationList::pageOfRow(int row)
{
    return (row >= 0 && row < rows().size()) ? rows()[row].pageId : -1;
}

QString NavigationList::iconFontFamily()
{
    static const QString family = []() {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fontawesome"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

QIcon NavigationList::glyphIcon(ushort glyph, int px, const QColor &color)
{
    QPixmap pixmap(px * 2, px * 2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font(iconFontFamily());
    font.setPixelSize(px * 2 - 4);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(glyph)));
    painter.end();
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

void NavigationList::rebuild(QListWidget *list, int fontSize, int selectedPageId)
{
    const QSignalBlocker blocker(list);
    const Metrics m = metrics(fontSize);
    list->clear();
    list->setFixedWidth(m.width);
    list->setIconSize(QSize(m.iconPx, m.iconPx));
    QFont font = list->font();
    font.setPixelSize(m.fontPx);
    list->setFont(font);
    for (const Row &row : rows()) {
        auto *item = new QListWidgetItem(glyphIcon(row.glyph, m.iconPx, Qt::white), tr(row.text), list);
        item->setData(Qt::UserRole, row.pageId);
        item->setSizeHint(QSize(m.width, m.rowHeight));
    }
    list->setCurrentRow(rowOfPage(selectedPageId));
}
