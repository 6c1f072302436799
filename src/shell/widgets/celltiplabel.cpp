#include "shell/widgets/celltiplabel.h"

#include <QAbstractItemView>
#include <QFontMetrics>

namespace {
// Room either side of the text so that glyph overhang is not clipped.
const int kPadding = 4;
} // namespace

CellTipLabel::CellTipLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("show_lab"));
    setAlignment(Qt::AlignCenter);
    // The program's style sheet gives plain labels a transparent background;
    // a rule on the label itself wins over it.
    setStyleSheet(QStringLiteral("QLabel#show_lab{background-color:#FFFBE6;color:#2B2B2B;"
                                 "border:1px solid #B5002F;}"));
    setAutoFillBackground(true);
    // The label sits under the pointer: the viewport must keep getting the
    // mouse moves that hide it again.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CellTipLabel::attachTo(QAbstractItemView *view)
{
    hide();
    setParent(view ? view->viewport() : nullptr);
    hide();
}

int CellTipLabel::widthFor(const QString &text) const
{
    const int perChar = text.length() * m_charWidth;
    const int advance = fontMetrics().horizontalAdvance(text) + 2 * kPadding;
    return qMax(perChar, advance);
}

void CellTipLabel::showText(const QString &text, const QPoint &viewportPos)
{
    // Nothing to show over an empty cell: no empty box either.
    if (text.isEmpty()) {
        hide();
        return;
    }
    ensurePolished();
    const int width = widthFor(text);
    const int height = qMax(kHeight, fontMetrics().height() + 2);
    setText(text);
    int x = viewportPos.x() - width / 2;
    // Near a side of the viewport the label is shifted in rather than cut:
    // the viewport clips its children.
    if (QWidget *area = parentWidget())
        x = qMax(0, qMin(x, area->width() - width));
    setGeometry(x, viewportPos.y(), width, height);
    raise();
    show();
}
