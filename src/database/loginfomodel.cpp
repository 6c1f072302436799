#include "database/loginfomodel.h"

LogInfoModel::LogInfoModel(QObject *parent)
    : QObject(parent)
{
}
