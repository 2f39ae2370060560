#include "clock/time_source.h"

QDateTime SystemTimeSource::now() const {
    return QDateTime::currentDateTime();
}
