#include "shell/dialogwidgetfactory.h"

#include <QDebug>

// Dialogs join the build as their sources land.
#if __has_include("review/samplequerydlg.h")
#include "review/samplequerydlg.h"
#define VIREON_HAS_SAMPLEQUERYDLG 1
#endif
#if __has_include("review/samplereportdlg.h")
#include "review/samplereportdlg.h"
#define VIREON_HAS_SAMPLEREPORTDLG 1
#endif
#if __has_include("review/samplesplinedlg.h")
#include "review/samplesplinedlg.h"
#define VIREON_HAS_SAMPLESPLINEDLG 1
#endif

namespace {
DialogWidgetFactory::Provider g_provider;
}

void DialogWidgetFactory::setProviderForTesting(Provider provider)
{
    g_provider = std::move(provider);
}

IDialogWidget *DialogWidgetFactory::getDialogWidget(IDialogWidget::DialogType type)
{
    if (g_provider)
        return g_provider(type);
    switch (type) {
#ifdef VIREON_HAS_SAMPLEQUERYDLG
    case IDialogWidget::DLG_SAMPLE_QUERY:
        return new SampleQueryDlg;
#endif
#ifdef VIREON_HAS_SAMPLEREPORTDLG
    case IDialogWidget::DLG_SAMPLE_REPORT:
        return new SampleReportDlg;
#endif
#ifdef VIREON_HAS_SAMPLESPLINEDLG
    case IDialogWidget::DLG_SAMLPLE_SPLINE:
        return new SampleSplineDlg;
#endif
    default:
        break;
    }
    qDebug() << "IDialogWidget *DialogWidgetFactory::getDialogWidget(IDialogWidget::DialogType)"
             << "no dialog for type" << static_cast<int>(type);
    return nullptr;
}
