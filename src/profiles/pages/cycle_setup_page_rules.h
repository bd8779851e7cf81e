// Rules of the Tovan2000 Cycle Setup page (type 3): one of the eight preset
// cycle programs and the rinse temperature. The step times the page shows
// are the fixed cycle program table of the cycle setup card; only the
// program and Cold/Warm are stored.
#pragma once

#include "profiles/page_rules.h"
#include "setup/tovan2000_layout.h"

#include <QStringList>

#include <array>

namespace profiles {

class CycleSetupPageRules : public PageRules {
public:
    static constexpr int kProgramControl = 1012;
    static constexpr int kColdControl = 1017;
    static constexpr int kWarmControl = 1019;
    static constexpr int kProgramCount = setup::kCycleProgramCount;
    static constexpr int kStepCount = setup::kCycleStepCount;

    using StepTexts = std::array<QString, kStepCount>;

    // The read-only step edits, in the order of the program table's steps
    // (Module A fill .. Module C second spin).
    static const std::array<int, kStepCount>& stepControls();
    // The program list: " 001" .. " 008".
    static QStringList programNames();
    // The step times of a program as "mm:ss"; all empty for a program
    // outside the table.
    static StepTexts stepTexts(int program);

    QString pageName() const override;
    void reset() override;
    void load(const ColumnValues& columns) override;
    // A stored program outside the table.
    Check checkFields() const override;
    ColumnValues columns() const override;
    void writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const override;

    int program() const { return program_; }
    bool cold() const { return cold_; }
    StepTexts stepTexts() const { return stepTexts(program_); }

    // A program outside 0..7 is ignored.
    void selectProgram(int program);
    void setCold(bool cold) { cold_ = cold; }
    // Cold and Warm act as one two-way switch: a click on the checked box
    // moves the check to the other one, a click on the clear box checks it.
    void clickCold() { cold_ = !cold_; }
    void clickWarm() { cold_ = !cold_; }

private:
    int program_ = 0;
    bool cold_ = true;
};

} // namespace profiles
