// Rules of the Maytag Gen2 page (type 4): washer or dryer, and the wash
// agitate, rinse agitate and cycle times in minutes (0..60).
#pragma once

#include "profiles/page_rules.h"

#include <QStringView>

namespace profiles {

class Gen2PageRules : public PageRules {
public:
    static constexpr int kWasherControl = 1059;
    static constexpr int kDryerControl = 1060;
    static constexpr int kWashControl = 1021;
    static constexpr int kRinseControl = 1024;
    static constexpr int kCycleTimeControl = 1027;
    static constexpr int kTimeMaximum = 60;

    enum class Machine { Washer, Dryer };

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    ColumnValues columns() const override;
    Check checkFields() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    Machine machine() const { return machine_; }
    // The buttons do not change by themselves: a click on the selected one
    // selects the other, a click on the other selects it.
    void click(Machine button);

    int wash() const { return wash_; }
    int rinse() const { return rinse_; }
    int cycleTime() const { return cycleTime_; }

    // Takes the text of a time edit into its value; a refusal (no integer,
    // or outside 0..60) leaves the value as it was.
    Check readField(int control, QStringView text);

private:
    int* valueOf(int control);

    Machine machine_ = Machine::Washer;
    int wash_ = 0;
    int rinse_ = 0;
    int cycleTime_ = 0;
};

} // namespace profiles
