// Rules of the Tovan2000 page (type 2): the dryer run, heat and top-off
// times in minutes. The heat time follows the run time: leaving the run
// time recomputes it, and a loaded profile computes it instead of reading
// the stored one.
#pragma once

#include "profiles/page_rules.h"

#include <QStringView>

namespace profiles {

class Tovan2000PageRules : public PageRules {
public:
    static constexpr int kRunTimeControl = 1022;
    static constexpr int kHeatTimeControl = 1025;
    static constexpr int kTopoffTimeControl = 1028;

    // The heat time the controller needs for a run time r: 0 for 0, then
    // r - 1 up to 29, r - 2 up to 44, r - 3 from 45.
    static int heatTimeFor(int runTime);

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    Check checkFields() const override;
    // The card holds the run, cool-down (run less heat) and top-off times in
    // BCD bytes.
    Check checkCardLimits() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    int runTime() const { return runTime_; }
    int heatTime() const { return heatTime_; }
    int topoffTime() const { return topoffTime_; }

    // Takes the text of the edit `control` into its value; a refusal leaves
    // the value as it was.
    Check readField(int control, QStringView text);
    // The same on leaving the edit: leaving the run time recomputes the heat
    // time.
    Check leaveField(int control, QStringView text);

private:
    int* valueOf(int control);

    int runTime_ = 0;
    int heatTime_ = 0;
    int topoffTime_ = 0;
};

} // namespace profiles
