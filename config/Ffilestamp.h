#pragma once

#include <QString>

// A file's size and time of change as one text, empty when there is no
// file: readers that follow a file another program writes read it again
// only when its stamp changed.
QString FileStamp(const QString& path);
