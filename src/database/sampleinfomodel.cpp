#include "database/sampleinfomodel.h"

SampleInfoModel::SampleInfoModel(QObject *parent)
    : QObject(parent)
{
}
