// Counts the GDI objects and memory DCs this executable's own code makes and has not
// deleted, while a census lives. The platform's own per-process count is not
// available everywhere (Wine answers 0), so the census stands in for the creating
// and deleting functions in the executable's import table and puts them back when it
// ends. Objects the platform makes inside its own libraries are not counted. One
// census at a time.
#pragma once

namespace testing_support {

class GdiCensus {
public:
    GdiCensus();
    ~GdiCensus();
    GdiCensus(const GdiCensus&) = delete;
    GdiCensus& operator=(const GdiCensus&) = delete;

    // Objects made since the census began and not deleted yet.
    long live() const;
    // Objects made since the census began, deleted or not: shows it saw the code run.
    long made() const;
};

}  // namespace testing_support
