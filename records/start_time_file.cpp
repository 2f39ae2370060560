#include "records/start_time_file.h"

#include "records/small_file.h"

FileOutcome WriteStartTimeFile(const QString& path, float startSeconds) {
    return SaveSmallFile(path,
                         QByteArray(" ") + QByteArray::number(qint64(startSeconds)) + " \r\n");
}
