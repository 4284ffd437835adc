#include "recording/RecordStore.h"

#include <algorithm>
#include <cstring>

namespace voltaro {

namespace {

constexpr std::array<const char*, kFieldCount> kTitles{"Date",    "Time",    "Reading", "Type", "",
                                                       "AlarmHI", "AlarmLO", "MAX",     "MIN",  "AVG",
                                                       "dB",      "",        "REL",     "Notes"};

void BlankLine(char* line) {
    std::memset(line, ' ', kLineLength);
    for (int off : kSeparatorOffsets) line[off] = ',';
    line[kNulOffset] = '\0';
    line[109] = '\r';
    line[110] = '\n';
}

}  // namespace

RecordStore::RecordStore() : block_(new char[static_cast<size_t>(kRowSlots) * kLineLength]) {
    for (int row = 0; row < kRowSlots; ++row) {
        BlankLine(MutableLine(row));
        Set(row, Field::ValueText, "0");
    }
}

void RecordStore::ClearRows(int first, int last) {
    // A cleared line copied over every row, with the two fields that are kept put back.
    char blank[kLineLength];
    BlankLine(blank);
    blank[PlaceOf(Field::ValueText).offset] = '0';
    const FieldPlace& type = PlaceOf(Field::Type);
    const FieldPlace& rel = PlaceOf(Field::RelRef);
    for (int row = std::max(first, 0); row <= std::min(last, kMaxRows); ++row) {
        char* line = MutableLine(row);
        char keepType[16], keepRel[16];
        std::memcpy(keepType, line + type.offset, static_cast<size_t>(type.width));
        std::memcpy(keepRel, line + rel.offset, static_cast<size_t>(rel.width));
        std::memcpy(line, blank, kLineLength);
        std::memcpy(line + type.offset, keepType, static_cast<size_t>(type.width));
        std::memcpy(line + rel.offset, keepRel, static_cast<size_t>(rel.width));
    }
}

void RecordStore::WriteTitles() {
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        Set(0, f, kTitles[static_cast<size_t>(i)]);
    }
}

}  // namespace voltaro
