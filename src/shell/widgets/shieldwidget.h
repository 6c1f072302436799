#pragma once

#include <QWidget>

// A plain translucent overlay laid over the program's window (or the screen)
// while a modal box is up, so the user sees that the rest is blocked.
class ShieldWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ShieldWidget(QWidget *parent = nullptr);

    // Covers the active window, else the primary screen, and shows itself.
    void showCentered();

protected:
    void paintEvent(QPaintEvent *event) override;
};
