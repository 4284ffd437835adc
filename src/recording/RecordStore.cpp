#include "recording/RecordStore.h"

#include <cstring>

namespace voltaro {

namespace {

constexpr std::array<FieldPlace, kFieldCount> kPlaces{{
    {10, 0, 0},    // Date
    {10, 11, 11},  // Time
    {16, 22, 22},  // ValueText
    {6, 39, -1},   // Type
    {2, 46, 39},   // Coupling
    {8, 49, 42},   // AlarmHI
    {8, 58, 51},   // AlarmLO
    {3, 67, 60},   // MaxFlag
    {3, 71, 64},   // MinFlag
    {3, 75, 68},   // AvgFlag
    {8, 79, 72},   // DbField
    {1, 88, 81},   // Spare
    {8, 90, 83},   // RelRef
    {9, 99, 92},   // Notes
}};

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

const FieldPlace& PlaceOf(Field f) {
    return kPlaces[static_cast<size_t>(f)];
}

RecordStore::RecordStore() : block_(new char[static_cast<size_t>(kRowSlots) * kLineLength]) {
    for (int row = 0; row < kRowSlots; ++row) {
        BlankLine(MutableLine(row));
        Set(row, Field::ValueText, "0");
    }
}

std::string_view RecordStore::Get(int row, Field f) const {
    const FieldPlace& p = PlaceOf(f);
    return {Line(row) + p.offset, static_cast<size_t>(p.width)};
}

std::string RecordStore::Text(int row, Field f) const {
    std::string_view v = Get(row, f);
    size_t end = v.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(v.substr(0, end + 1));
}

void RecordStore::Set(int row, Field f, std::string_view text) {
    const FieldPlace& p = PlaceOf(f);
    char* dst = MutableLine(row) + p.offset;
    const size_t n = text.size() < static_cast<size_t>(p.width) ? text.size() : static_cast<size_t>(p.width);
    std::memcpy(dst, text.data(), n);
    std::memset(dst + n, ' ', static_cast<size_t>(p.width) - n);
}

void RecordStore::ClearRows() {
    // A cleared line copied over every row, with the two fields that are kept put back.
    char blank[kLineLength];
    BlankLine(blank);
    blank[PlaceOf(Field::ValueText).offset] = '0';
    const FieldPlace& type = PlaceOf(Field::Type);
    const FieldPlace& rel = PlaceOf(Field::RelRef);
    for (int row = 0; row < kRowSlots; ++row) {
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
