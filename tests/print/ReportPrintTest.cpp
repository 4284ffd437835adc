#include <gtest/gtest.h>

#include "print/ReportPrint.h"
#include "recording/RecordStore.h"
#include "recording/Report.h"
#include "support/RecordingPrinter.h"
#include "support/RecordingSurface.h"
#include "values/DateTimeFormat.h"

namespace voltaro {
namespace {

// A sheet of 2000 x 2800 pixels with characters of 20 x 40: nine zones of 222 pixels.
struct ReportRig {
    RecordStore store;
    Report report;
    DateTimeFormat stamps;
    RecordingPrinter printer;
    ReportPrint print;
    ReportPrintJob job;

    explicit ReportRig(int readings) {
        for (int i = 1; i <= readings; ++i) {
            store.RecordCount = i;
            store.Set(i, Field::Date, "24/01/15");
            store.Set(i, Field::Time, "10:00:00");
            store.Set(i, Field::ValueText, "1.5");
            store.Set(i, Field::Type, "V");
            store.Set(i, Field::Coupling, "DC");
            store.Set(i, Field::MaxFlag, "0");
            store.Set(i, Field::MinFlag, "0");
            store.Set(i, Field::AvgFlag, "0");
        }
        job.RecordingFile = "run.dmm";
        job.titles = {"Bench no.3", "", "Supply ripple"};
        job.lastPage = 99;
        job.now = QDateTime(QDate(2024, 2, 1), QTime(9, 30, 0));
        job.stamps = &stamps;
    }
    int Print() {
        auto lines = report.ReadListData(store, stamps, 0, 0);
        return print.PrintRep(printer, lines, job);
    }
    std::vector<std::string> SheetTexts(size_t sheet) const { return printer.sheets[sheet].surface.Texts(); }
};

TEST(PrintRep, EveryPageOfSixtyReadingsIsADocumentWithItsHead) {
    ReportRig rig(61);
    EXPECT_EQ(rig.Print(), 2);
    ASSERT_EQ(rig.printer.sheets.size(), 2u);
    EXPECT_EQ(rig.printer.documents, 2);
    EXPECT_EQ(rig.printer.sheets[1].document, 1);
    EXPECT_EQ(rig.printer.sheets[1].orientation, PageOrientation::Portrait);
    EXPECT_TRUE(rig.printer.a4);
    auto texts = rig.SheetTexts(1);
    texts.resize(9);
    EXPECT_EQ(texts, (std::vector<std::string>{"run.dmm", "24/02/01", "09:30:00", "Page:000002",
                                               std::string(95, ' ') + "Bench no.3",  // ten characters
                                               std::string(100, ' '), std::string(93, ' ') + "Supply ripple",
                                               "", "Time"}));
    auto first = rig.printer.sheets[0].surface.Of(SurfaceOp::Print);
    EXPECT_EQ(first[0].points, 9.5);
    EXPECT_EQ(first[4].points, 9);

    ReportRig chosen(150);
    chosen.job.firstPage = chosen.job.lastPage = 2;
    EXPECT_EQ(chosen.Print(), 1);
    ASSERT_EQ(chosen.printer.sheets.size(), 1u);
    EXPECT_EQ(chosen.SheetTexts(0)[3], "Page:000002");
}

TEST(PrintHead, ColumnTitlesStandOverTheirColumns) {
    ReportRig rig(3);
    rig.Print();
    const RecordingSurface& sheet = rig.printer.sheets[0].surface;
    auto prints = sheet.Of(SurfaceOp::Print);
    size_t head = 0;
    while (head < prints.size() && prints[head].text != "Time") ++head;
    ASSERT_LT(head + 9, prints.size());
    std::vector<std::string> titles;
    for (size_t i = head; i < head + 9; ++i) titles.push_back(prints[i].text);
    EXPECT_EQ(titles, (std::vector<std::string>{"Time", "Date", "Reading", "Type", "Status", "Start/Stop",
                                                "AVG", "REL", "Note"}));
    EXPECT_NE(prints[head + 9].y1, prints[head].y1);  // nothing else on the title line
    // A reading line: every field in the zone of its title.
    size_t line = head + 9 + 9;  // after the page marker line
    ASSERT_LT(line + 9, prints.size());
    EXPECT_EQ(prints[line].text, "10:00:00");
    for (size_t j = 0; j < 9; ++j) EXPECT_DOUBLE_EQ(prints[line + j].x1, prints[head + j].x1) << j;
}

TEST(PrintRep, AFullSheetGoesOnOnTheNextOne) {
    ReportRig rig(60);
    RecordingPrinter small(2000, 1000, 20, 40);  // room for 25 lines
    auto lines = rig.report.ReadListData(rig.store, rig.stamps, 0, 0);
    EXPECT_EQ(rig.print.PrintRep(small, lines, rig.job), 1);
    EXPECT_EQ(small.documents, 1);
    ASSERT_GE(small.sheets.size(), 3u);
    int readingLines = 0;
    for (const auto& sheet : small.sheets) {
        for (const DrawnOp& p : sheet.surface.Of(SurfaceOp::Print)) {
            readingLines += p.text == "10:00:00" && p.x1 == 0;
            EXPECT_LT(p.y1 + 40, 1000.0 + 1e-9);
        }
    }
    EXPECT_EQ(readingLines, 60);
}

// The pages a table holds are those its markers carry: a full chunk has 500 of them, and a
// later chunk's pages go on from 501.
TEST(ReportPrint, PagesAreThoseOfThePageMarkers) {
    struct Case {
        int readings, chunk;
        std::pair<int, int> pages;
    };
    for (const Case& c :
         {Case{30000, 0, {1, 500}}, Case{61, 1, {501, 502}}, Case{60, 0, {1, 1}}, Case{0, 0, {0, 0}}}) {
        ReportRig rig(c.readings);
        rig.store.ChunkCount = c.chunk;
        EXPECT_EQ(ReportPrint::PageNumbers(rig.report.ReadListData(rig.store, rig.stamps, 0, 0)), c.pages)
            << c.readings << " readings in chunk " << c.chunk;
    }
    EXPECT_EQ(ReportPrint::PageNumberOf("Page:000501"), 501);
}

}  // namespace
}  // namespace voltaro
