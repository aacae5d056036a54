#pragma once

#include "reference/FixedTable.h"

#include <cstdint>

namespace toolkit {
class EntryList;
}

// The reference tables: the element pattern and crystal-system code of each of
// the 32 crystal classes, the caption and expected answer of each of the 20
// practice models, and the number of the chosen model (0: none). They are
// empty until initTables fills them at start-up and never change afterwards;
// only selectedModel does. No lookup lives here: the answer check searches.
struct mainSubs {
    FixedTable<32> classPattern;
    FixedTable<32> classSystem;
    FixedTable<20> modelName;
    FixedTable<20> modelAnswer;
    std::int16_t selectedModel = 0;

    // Fills the tables and puts the twenty captions into lstModel in model
    // order, so that list position p shows model p + 1.
    void initTables(toolkit::EntryList &lstModel);
};
