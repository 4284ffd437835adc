#pragma once

#include <string>

#include "recording/RecordStore.h"

namespace voltaro {

// One of the two recordings the save child writes in turn; returns its row count.
inline int FillSaveChildRecording(RecordStore& s, int which) {
    const int rows = which == 0 ? 6000 : 9000;
    for (int r = 1; r <= rows; ++r) {
        s.Set(r, Field::Date, "2024/01/15");
        s.Set(r, Field::Time, which == 0 ? "10:00:00" : "11:11:11");
        s.Set(r, Field::ValueText, std::to_string(r));
        s.Set(r, Field::Type, "V");
        s.Set(r, Field::Notes, which == 0 ? "10123;008" : "20456;008");
    }
    s.RecordCount = rows;
    return rows;
}

}  // namespace voltaro
