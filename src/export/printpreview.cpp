#include "export/printpreview.h"

#include <QMutex>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
QMutex s_runnerMutex;
PrintPreview::Runner s_runner;
} // namespace

void PrintPreview::setRunner(Runner runner)
{
    QMutexLocker lock(&s_runnerMutex);
    s_runner = std::move(runner);
}

void PrintPreview::run(QPrinter *printer, const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(printer, nullptr);
    dialog.setStyleSheet(
        QStringLiteral("QToolButton{background:none;margin:2px;padding:0px;border-width:0px;border-radius:0px;}"
                       "QLineEdit{border-width:0px;}"));
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    dialog.setWindowFlags(Qt::WindowStaysOnTopHint);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    Runner runner;
    {
        QMutexLocker lock(&s_runnerMutex);
        runner = s_runner;
    }
    if (runner) {
        runner(&dialog);
        return;
    }
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}
