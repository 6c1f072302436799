#include "pages/realtimecurve.h"

#include "ui_realtimecurve.h"

RealTimeCurve *RealTimeCurve::getInstance()
{
    return Singleton<RealTimeCurve>::instance();
}

RealTimeCurve::RealTimeCurve(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::RealTimeCurve)
{
    ui->setupUi(this);
}

RealTimeCurve::~RealTimeCurve()
{
    delete ui;
    Singleton<RealTimeCurve>::forget(this);
}

void RealTimeCurve::releaseInstance()
{
    Singleton<RealTimeCurve>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString RealTimeCurve::getTitle()
{
    return tr("实时曲线");
}

void RealTimeCurve::initWidget()
{
    setWindowTitle(tr("Form"));
    ui->label->setText(tr("实时曲线界面功能待开发，敬请期待。。。。。。"));
}
