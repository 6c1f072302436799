#include "app/funwidgetfactory.h"

#include <QDebug>

#include "pages/datamanagewidget.h"
#include "pages/helpandfaq.h"
#include "pages/historydata.h"
#include "pages/hospitalinfoedit.h"
#include "pages/machineconnect.h"
#include "pages/machineotherset.h"
#include "pages/realtimecurve.h"
#include "pages/systemlanset.h"
#include "update/checkupdatewidget.h"

namespace {
FunWidgetFactory::Provider g_provider;
}

void FunWidgetFactory::setProviderForTesting(Provider provider)
{
    g_provider = std::move(provider);
}

IFunWidget *FunWidgetFactory::getFunWidget(IFunWidget::WidgetType id)
{
    if (g_provider)
        return g_provider(id);
    switch (id) {
    case IFunWidget::WGT_MACHINE_CONNECT:
        return MachineConnect::getInstance();
    case IFunWidget::WGT_OTHER_SET:
        return MachineOtherSet::getInstance();
    case IFunWidget::WGT_MAINMENU:
        return RealTimeCurve::getInstance();
    case IFunWidget::WGT_HISTROY:
        return HistoryData::getInstance();
    case IFunWidget::WGT_DATAMANAGE:
        return DataManageWidget::getInstance();
    case IFunWidget::WGT_HOSPITALINFO_EDIT:
        return HospitalInfoEdit::getInstance();
    case IFunWidget::WGT_SYSTEM_SET:
        return SystemLanSet::getInstance();
    case IFunWidget::WGT_SYSTEM_HELP:
        return HelpAndFAQ::getInstance();
    case IFunWidget::WGT_CHECK_UPDATE:
        return CheckUpdateWidget::getInstance();
    default:
        break;
    }
    qDebug() << "IFunWidget *FunWidgetFactory::getFunWidget(IFunWidget::WidgetType)"
             << "no page for id" << static_cast<int>(id);
    return nullptr;
}
