#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

namespace Ui {
class RealTimeCurve;
}

// Holds the place of the live curve view; it shows a notice only.
class RealTimeCurve : public IFunWidget
{
    Q_OBJECT
public:
    static RealTimeCurve *getInstance();
    ~RealTimeCurve() override;

    void initWidget() override;
    void releaseInstance() override;
    QString getTitle() override;

private:
    friend class Singleton<RealTimeCurve>;
    explicit RealTimeCurve(QWidget *parent = nullptr);

    Ui::RealTimeCurve *ui = nullptr;
};
