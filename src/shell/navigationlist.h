#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QList>
#include <QString>

class QListWidget;

// Builds the main window's navigation rows: text, icon from the icon font and
// the page id each row opens, sized for the stored display size.
class NavigationList
{
    Q_DECLARE_TR_FUNCTIONS(NavigationList)
public:
    struct Row {
        const char *text; // source text, translated when the list is built
        int pageId;
        ushort glyph; // code point in the icon font
    };
    static const QList<Row> &rows();

    // Widths and fonts of the list for display size 0 (small), 1 or 2 (large).
    struct Metrics {
        int width;
        int fontPx;
        int iconPx;
        int rowHeight;
    };
    static Metrics metrics(int fontSize);

    // Refills the list in the current language without emitting any of its
    // signals; the row showing selectedPageId stays current.
    static void rebuild(QListWidget *list, int fontSize, int selectedPageId);
    static int rowOfPage(int pageId);
    static int pageOfRow(int row);

    static QIcon glyphIcon(ushort glyph, int px, const QColor &color);
    // Family of the compiled-in icon font (registered on first use).
    static QString iconFontFamily();
};
