#pragma once

// The element pattern as the learner reads it off the sixteen count boxes: the
// one statement of it that the tests and the fuzz targets check the result box
// against.

#include "toolkit/Conversions.h"
#include "windows/frmMain.h"

#include <QStringList>

namespace fixtures {

// The texts of the sixteen count boxes, box 0 first.
inline QStringList countsOf(const frmMain &w)
{
    QStringList texts;
    for (int k = 0; k <= 15; ++k)
        texts << w.txtSymetryElements[k].text();
    return texts;
}

// The counts, each without its leading and trailing spaces, one after another.
inline QString patternOf(const QStringList &counts)
{
    QString pattern;
    for (const QString &count : counts)
        pattern += toolkit::trim(count);
    return pattern;
}

} // namespace fixtures
