#pragma once

#include "display/DrawingSurface.h"

namespace voltaro {

enum class PageOrientation { Portrait = 1, Landscape = 2 };

// The printer as the printouts use it: page settings, a drawing surface for the page in
// hand, and the end of a document. A setting takes effect from the next page begun.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual void SetPaperA4() = 0;
    // The page being drawn; the first call after the start or after EndDoc begins one.
    virtual DrawingSurface& Page() = 0;
    // Ends the page in hand and begins another, in the same document.
    virtual void NewPage() = 0;
    // Sends what was drawn as one document; the next Page() begins a new one.
    virtual void EndDoc() = 0;
    // The printer refused a page or a document: what was drawn did not go out.
    virtual bool Failed() const { return false; }
};

}  // namespace voltaro
