#include "card/fault_injection.h"

#include <array>
#include <vector>

namespace card::faults {
namespace {

constexpr std::size_t kKinds = static_cast<std::size_t>(FaultKind::Count);

struct ArmedFault {
    FaultKind kind;
    int armedAt; // call count of the kind when armed
    int first;
    int last;
    uint8_t status;
};

struct State {
    std::array<int, kKinds> calls{};
    std::vector<ArmedFault> armed;
};

State& state()
{
    static State s;
    return s;
}

constexpr const char* kNames[] = {"Init",
                                  "Close",
                                  "GetNextCardImage",
                                  "SelectFile",
                                  "GetCardType",
                                  "GetCustId",
                                  "GetCardVersion",
                                  "ReadData",
                                  "SetCardType",
                                  "SetCustId",
                                  "SetCardVersion",
                                  "WriteData",
                                  "InitForWrite",
                                  "NIMBOCreateCard",
                                  "NIMBOSetCardType",
                                  "NIMBOGetCardType",
                                  "NIMBOSetCustId",
                                  "NIMBOSetHeaderArea",
                                  "NIMBOSetDataArea",
                                  "NIMBOReadHeaderArea",
                                  "NIMBOReadDataArea",
                                  "NIMBOCreateDcCard",
                                  "ValidateCard",
                                  "FxGetCardType",
                                  "FxGetCustId",
                                  "FxSetCustId",
                                  "FxSetCardVersion",
                                  "CardSetKeys",
                                  "LoadKeys",
                                  "LoadZQKeys",
                                  "PowerCard",
                                  "CardInserted"};
static_assert(std::size(kNames) == kKinds, "one name per fault kind");

} // namespace

void inject(FaultKind kind, int nth, uint8_t status, int times)
{
    if (kind == FaultKind::Count || nth < 1 || times < 1)
        return;
    const int now = state().calls[static_cast<std::size_t>(kind)];
    state().armed.push_back({kind, now, nth, nth + times - 1, status});
}

void reset()
{
    state() = State{};
}

int callCount(FaultKind kind)
{
    return kind == FaultKind::Count ? 0 : state().calls[static_cast<std::size_t>(kind)];
}

std::optional<uint8_t> onCall(FaultKind kind)
{
    const int call = ++state().calls[static_cast<std::size_t>(kind)];
    for (const ArmedFault& fault : state().armed) {
        const int sinceArmed = call - fault.armedAt;
        if (fault.kind == kind && sinceArmed >= fault.first && sinceArmed <= fault.last)
            return fault.status;
    }
    return std::nullopt;
}

QString kindName(FaultKind kind)
{
    return kind == FaultKind::Count ? QString()
                                    : QString::fromLatin1(kNames[static_cast<std::size_t>(kind)]);
}

} // namespace card::faults
