#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// The fourteen fixed-width fields of a recorded row, in file order.
enum class Field : int {
    Date,
    Time,
    ValueText,
    Type,
    Coupling,
    AlarmHI,
    AlarmLO,
    MaxFlag,
    MinFlag,
    AvgFlag,
    DbField,
    Spare,
    RelRef,
    Notes,
};
inline constexpr int kFieldCount = 14;

// Where a field stands in a line of the current (111-byte) and of the older (104-byte)
// layout; the older layout has no Type (offset -1).
struct FieldPlace {
    int width;
    int offset;     // in a 111-byte line
    int oldOffset;  // in a 104-byte line
};
inline constexpr std::array<FieldPlace, kFieldCount> kFieldPlaces{{
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
inline const FieldPlace& PlaceOf(Field f) {
    return kFieldPlaces[static_cast<size_t>(f)];
}

inline constexpr int kLineLength = 111;
inline constexpr int kOldLineLength = 104;
inline constexpr int kNulOffset = 45;  // the byte between Type and Coupling is always 0x00
inline constexpr int kMaxRows = 30000;
inline constexpr int kRowSlots = kMaxRows + 1;  // row 0 holds the column titles

// Separator offsets of a 111-byte line (the byte at 45 is not one of them).
inline constexpr std::array<int, 13> kSeparatorOffsets{10, 21, 38, 48, 57, 66, 70, 74, 78, 87, 89, 98, 108};
inline constexpr std::array<int, 13> kOldSeparatorOffsets{10, 21, 38, 41, 50, 59, 63,
                                                          67, 71, 80, 82, 91, 101};

// The in-memory recording. Every row is kept as its own 111-byte line of a recording file
// ("," between fields, 0x00 at 45, CR LF at the end) in one block allocated once, so the
// writer copies rows out without conversion.
class RecordStore {
public:
    RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // The field with its padding.
    std::string_view Get(int row, Field f) const {
        const FieldPlace& p = PlaceOf(f);
        return {Line(row) + p.offset, static_cast<size_t>(p.width)};
    }
    // The field without trailing blanks.
    std::string Text(int row, Field f) const { return std::string(Trimmed(row, f)); }
    std::string_view Trimmed(int row, Field f) const {
        const std::string_view v = Get(row, f);
        return v.substr(0, v.find_last_not_of(' ') + 1);  // npos + 1 is 0: a blank field is empty
    }
    // Pads with blanks or cuts to the field's width.
    void Set(int row, Field f, std::string_view text) {
        const FieldPlace& p = PlaceOf(f);
        char* dst = MutableLine(row) + p.offset;
        const size_t width = static_cast<size_t>(p.width);
        const size_t n = text.size() < width ? text.size() : width;
        std::memcpy(dst, text.data(), n);
        std::memset(dst + n, ' ', width - n);
    }

    const char* Line(int row) const { return block_.get() + static_cast<size_t>(row) * kLineLength; }
    char* MutableLine(int row) { return block_.get() + static_cast<size_t>(row) * kLineLength; }

    // Rows first .. last back to "0" and blanks; Type and RelRef keep their old text.
    void ClearRows(int first = 0, int last = kMaxRows);
    // The column titles into row 0.
    void WriteTitles();

    size_t MemoryBytes() const { return static_cast<size_t>(kRowSlots) * kLineLength; }

    int RecordCount = 0;                // reading rows held: rows 1 .. RecordCount
    int SavedCount = 0;                 // rows already in RecordingFile; the next save starts here
    std::string RecordingFile;          // the file the table belongs to
    std::string ChunkFile;              // report working file of the current chunk
    std::vector<std::string> ListTemp;  // report working files of finished chunks, oldest first
    int ChunkCount = 0;                 // chunks finished since the last reset
    int AutoSaveTick = 0;               // ticks of the autosave timer; 3 forces a save at once

private:
    std::unique_ptr<char[]> block_;
};

}  // namespace voltaro
