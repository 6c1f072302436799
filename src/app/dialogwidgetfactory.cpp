#include "app/dialogwidgetfactory.h"

#include <QDebug>

#include "review/samplequerydlg.h"
#include "review/samplereportdlg.h"
#include "review/samplesplinedlg.h"

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
    case IDialogWidget::DLG_SAMPLE_QUERY:
        return new SampleQueryDlg;
    case IDialogWidget::DLG_SAMPLE_REPORT:
        return new SampleReportDlg;
    case IDialogWidget::DLG_SAMLPLE_SPLINE:
        return new SampleSplineDlg;
    default:
        break;
    }
    qDebug() << "IDialogWidget *DialogWidgetFactory::getDialogWidget(IDialogWidget::DialogType)"
             << "no dialog for type" << static_cast<int>(type);
    return nullptr;
}
