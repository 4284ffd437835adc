#pragma once

#include <deque>

#include "print/Printer.h"
#include "support/RecordingSurface.h"

namespace voltaro {

// A printer that keeps every page as a recording surface: which document each
// page went out in, and the orientation it was begun with.
class RecordingPrinter : public Printer {
public:
    struct Sheet {
        RecordingSurface surface;
        int document;
        PageOrientation orientation;
    };

    // Sheets of widthPixels x heightPixels, text of charPixels x linePixels.
    explicit RecordingPrinter(double widthPixels = 2000, double heightPixels = 2800, double charPixels = 20,
                              double linePixels = 40)
        : width_(widthPixels), height_(heightPixels), char_(charPixels), line_(linePixels) {}

    void SetOrientation(PageOrientation orientation) override { orientation_ = orientation; }
    void SetPaperA4() override { a4 = true; }
    DrawingSurface& Page() override {
        if (!open_) {
            sheets.push_back(
                {RecordingSurface(width_, height_, kWhite, char_, line_), documents, orientation_});
            open_ = true;
        }
        return sheets.back().surface;
    }
    void NewPage() override { open_ = false; }
    void EndDoc() override {
        if (open_ || (!sheets.empty() && sheets.back().document == documents)) ++documents;
        open_ = false;
    }

    bool Failed() const override { return refuse; }

    bool refuse = false;  // as a printer that is switched off
    std::deque<Sheet> sheets;  // a deque keeps every sheet where it is while more are added
    int documents = 0;         // documents ended
    bool a4 = false;

private:
    double width_, height_, char_, line_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    bool open_ = false;
};

}  // namespace voltaro
