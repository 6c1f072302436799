#include "pages/realtimecurve.h"

#include "ui_realtimecurve.h"

RealTimeCurve *RealTimeCurve::s_instance = nullptr;

RealTimeCurve *RealTimeCurve::getInstance()
{
    if (!s_instance)
        s_instance = new RealTimeCurve(nullptr);
    return s_instance;
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
    if (s_instance == this)
        s_instance = nullptr;
}

void RealTimeCurve::releaseInstance()
{
    if (s_instance == this)
        s_instance = nullptr;
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
