#pragma once

#include <functional>

class QPrintPreviewDialog;
class QPrinter;

// The print preview dialog of the table exporters: maximized, modal, on top,
// every paint request of it answered by paint.
class PrintPreview
{
public:
    // Builds the dialog on printer and runs it; returns when it closes.
    static void run(QPrinter *printer, const std::function<void(QPrinter *)> &paint);

    // Test seam: while set, the runner gets the dialog instead of its modal
    // loop and may emit paint requests itself; it must not exec() it.
    using Runner = std::function<void(QPrintPreviewDialog *)>;
    static void setRunner(Runner runner);
};
