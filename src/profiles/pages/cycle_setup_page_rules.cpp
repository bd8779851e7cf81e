#include "profiles/pages/cycle_setup_page_rules.h"

namespace profiles {

namespace {

constexpr char kColProgram[] = "SCROLL SPEED";
constexpr char kColCold[] = "DISPLAY IDLE";
// A column of the type the page has no control for; kept cleared.
constexpr char kColDisplayPrice[] = "DISPLAY PRICE";

bool validProgram(int program)
{
    return program >= 0 && program < CycleSetupPageRules::kProgramCount;
}

} // namespace

const std::array<int, CycleSetupPageRules::kStepCount>& CycleSetupPageRules::stepControls()
{
    static constexpr std::array<int, kStepCount> controls = {
        1001, 1005, 1004, 1003, 1002, 1006, // Module A: fill, wash, soak, agitate, drain, spin
        1007, 1011, 1010, 1009, 1008,       // Module B: fill, rinse, soak, agitate, drain
        1013, 1014, 1016, 1015,             // Module C: spray, spin, second spray, second spin
    };
    return controls;
}

QStringList CycleSetupPageRules::programNames()
{
    QStringList names;
    for (int program = 1; program <= kProgramCount; ++program)
        names << QString::asprintf(" %3.3d", program);
    return names;
}

CycleSetupPageRules::StepTexts CycleSetupPageRules::stepTexts(int program)
{
    StepTexts texts;
    if (!validProgram(program))
        return texts;
    const setup::CycleProgram steps = *setup::tovan2000CycleProgram(uint8_t(program));
    for (int step = 0; step < kStepCount; ++step)
        texts[step] = QString::asprintf("%2.2d:%2.2d", steps[step].minutes, steps[step].seconds);
    return texts;
}

QString CycleSetupPageRules::pageName() const
{
    return QStringLiteral("IDD_OPTIONS_TOVAN2000_CS");
}

void CycleSetupPageRules::reset()
{
    program_ = 0;
    cold_ = true;
}

void CycleSetupPageRules::load(const ColumnValues& columns)
{
    // A program outside the table is kept for checkFields to refuse; the
    // page's list shows the first program for it.
    program_ = intValue(columns, kColProgram);
    cold_ = flagValue(columns, kColCold);
}

Check CycleSetupPageRules::checkFields() const
{
    if (validProgram(program_))
        return std::nullopt;
    Refusal refusal;
    refusal.column = QString::fromLatin1(kColProgram);
    refusal.control = kProgramControl;
    refusal.message = QStringLiteral("Please choose one of the cycle programs 001 to %1 (stored "
                                     "as 0 to %2).")
                          .arg(kProgramCount, 3, 10, QLatin1Char('0'))
                          .arg(kProgramCount - 1);
    return refusal;
}

ColumnValues CycleSetupPageRules::columns() const
{
    return {{kColProgram, program_}, {kColCold, cold_ ? 1 : 0}, {kColDisplayPrice, 0}};
}

void CycleSetupPageRules::writeRecord(const CommonValues& /*common*/,
                                      STRUCT_laundry_setup& record) const
{
    record.scroll_speed = uint8_t(program_);
    record.washer = cold_ ? 1 : 0;
}

void CycleSetupPageRules::selectProgram(int program)
{
    if (validProgram(program))
        program_ = program;
}

} // namespace profiles
