#include "shell/funwidgetfactory.h"

#include <QDebug>

// Pages join the build as their sources land; the factory takes in those
// that are there.
#if __has_include("pages/machineconnect.h")
#include "pages/machineconnect.h"
#define VIREON_HAS_MACHINECONNECT 1
#endif
#if __has_include("pages/machineotherset.h")
#include "pages/machineotherset.h"
#define VIREON_HAS_MACHINEOTHERSET 1
#endif
#if __has_include("pages/realtimecurve.h")
#include "pages/realtimecurve.h"
#define VIREON_HAS_REALTIMECURVE 1
#endif
#if __has_include("pages/historydata.h")
#include "pages/historydata.h"
#define VIREON_HAS_HISTORYDATA 1
#endif
#if __has_include("pages/datamanagewidget.h")
#include "pages/datamanagewidget.h"
#define VIREON_HAS_DATAMANAGEWIDGET 1
#endif
#if __has_include("pages/hospitalinfoedit.h")
#include "pages/hospitalinfoedit.h"
#define VIREON_HAS_HOSPITALINFOEDIT 1
#endif
#if __has_include("pages/systemlanset.h")
#include "pages/systemlanset.h"
#define VIREON_HAS_SYSTEMLANSET 1
#endif
#if __has_include("pages/helpandfaq.h")
#include "pages/helpandfaq.h"
#define VIREON_HAS_HELPANDFAQ 1
#endif
#if __has_include("update/checkupdatewidget.h")
#include "update/checkupdatewidget.h"
#define VIREON_HAS_CHECKUPDATEWIDGET 1
#endif

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
#ifdef VIREON_HAS_MACHINECONNECT
    case IFunWidget::WGT_MACHINE_CONNECT:
        return MachineConnect::getInstance();
#endif
#ifdef VIREON_HAS_MACHINEOTHERSET
    case IFunWidget::WGT_OTHER_SET:
        return MachineOtherSet::getInstance();
#endif
#ifdef VIREON_HAS_REALTIMECURVE
    case IFunWidget::WGT_MAINMENU:
        return RealTimeCurve::getInstance();
#endif
#ifdef VIREON_HAS_HISTORYDATA
    case IFunWidget::WGT_HISTROY:
        return HistoryData::getInstance();
#endif
#ifdef VIREON_HAS_DATAMANAGEWIDGET
    case IFunWidget::WGT_DATAMANAGE:
        return DataManageWidget::getInstance();
#endif
#ifdef VIREON_HAS_HOSPITALINFOEDIT
    case IFunWidget::WGT_HOSPITALINFO_EDIT:
        return HospitalInfoEdit::getInstance();
#endif
#ifdef VIREON_HAS_SYSTEMLANSET
    case IFunWidget::WGT_SYSTEM_SET:
        return SystemLanSet::getInstance();
#endif
#ifdef VIREON_HAS_HELPANDFAQ
    case IFunWidget::WGT_SYSTEM_HELP:
        return HelpAndFAQ::getInstance();
#endif
#ifdef VIREON_HAS_CHECKUPDATEWIDGET
    case IFunWidget::WGT_CHECK_UPDATE:
        return CheckUpdateWidget::getInstance();
#endif
    default:
        break;
    }
    qDebug() << "IFunWidget *FunWidgetFactory::getFunWidget(IFunWidget::WidgetType)"
             << "no page for id" << static_cast<int>(id);
    return nullptr;
}
