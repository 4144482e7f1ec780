#pragma once

#include <QString>

#include "text.h"

namespace quendal {

// The calculator's GBK texts as the toolkit's strings, and back; both go
// through the one GBK conversion of the core.
inline QString toQString(const Text& text)
{
    return QString::fromStdString(fromGbk(text));
}

inline Text toText(const QString& string)
{
    return toGbk(string.toStdString());
}

}  // namespace quendal
