#pragma once

#include "records/cp932.h"

#include <QByteArray>
#include <QStringView>

// The encodings the clock's files are read in. The clock writes CP932; a sheet or name file that
// another program saved as UTF-8 (a spreadsheet's "CSV UTF-8", an editor whose default it is) is
// read as UTF-8, and a sheet is written back in the encoding it was read in, its mark included.
enum class TextEncoding { Cp932, Utf8, Utf8WithMark };

// UTF-8 when the bytes start with its byte-order mark, or when they are valid UTF-8 holding at
// least one character beyond ASCII and either are not CP932 or read better as UTF-8: as Japanese
// text, or as Latin letters with marks inside words. CP932 otherwise, so that a file the clock
// wrote reads back as what it wrote: short runs of half-width katakana ("ﾐｷ") are valid UTF-8 too.
TextEncoding DetectTextEncoding(const QByteArray& bytes);

// What a file in `encoding` starts with: the byte-order mark, or nothing.
QByteArray EncodingMark(TextEncoding encoding);

// Strict conversions in either encoding, by the rules of CP932's (cp932.h): nothing replaced, no
// control character on either side.
Cp932Result DecodeLine(const QByteArray& bytes, TextEncoding encoding);
Cp932Result EncodeLine(QStringView text, TextEncoding encoding);
