#pragma once

#include <QLabel>

class QAbstractItemView;

// The floating label that shows the full text of a table cell under the
// pointer. It lives on the table's viewport, so a position taken from the
// viewport's mouse events places it right at the pointer whatever the header
// height. It paints its own background (the program's style sheet makes plain
// labels transparent) and is never narrower than its text.
class CellTipLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CellTipLabel(QWidget *parent = nullptr);

    // Puts the label on the view's viewport, hidden.
    void attachTo(QAbstractItemView *view);

    // Pixels per character: the width the label gets at least, per character.
    void setCharWidth(int pixels) { m_charWidth = pixels; }
    int charWidth() const { return m_charWidth; }

    // Shows text with its top edge at viewportPos, centred on its x (shifted
    // in where that would leave the viewport). The
    // width is the larger of the per-character width and the text's
    // advance width plus padding, so full-width scripts are never cut. An
    // empty text leaves the label hidden.
    void showText(const QString &text, const QPoint &viewportPos);

    // Width showText gives to text.
    int widthFor(const QString &text) const;

    static constexpr int kHeight = 20;

private:
    int m_charWidth = 15;
};
