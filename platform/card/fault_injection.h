// Failures injected by tests: the k-th call of a kind (counted from when the
// fault was armed) fails with a chosen status, or returns false where the
// call returns a bool, without doing its work.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace card {

enum class FaultKind {
    // BaseCardImage operations 2 to 13 (card images and file images alike).
    Init,
    Close, // the card stays powered
    GetNextCardImage,
    SelectFile,
    GetCardType,
    GetCustId,
    GetCardVersion,
    ReadData,
    SetCardType,
    SetCustId,
    SetCardVersion,
    WriteData,
    InitForWrite,
    // cardlayout
    NIMBOCreateCard,
    NIMBOSetCardType,
    NIMBOGetCardType,
    NIMBOSetCustId,
    NIMBOSetHeaderArea,
    NIMBOSetDataArea,
    NIMBOReadHeaderArea,
    NIMBOReadDataArea,
    NIMBOCreateDcCard,
    // cardfx
    ValidateCard,
    FxGetCardType,
    FxGetCustId,
    FxSetCustId,
    FxSetCardVersion,
    // cardcore, keyring, readerio
    CardSetKeys,
    LoadKeys,
    LoadZQKeys, // the factory key set is not loaded
    PowerCard,
    CardInserted,
    Count
};

namespace faults {

// Arms a fault: calls nth .. nth + times - 1 of kind (1-based, counted from
// now) fail with status. A status of 0 makes the call report success without
// doing anything, which simulates a lost write.
void inject(FaultKind kind, int nth, uint8_t status, int times = 1);
// Clears every armed fault and every call counter.
void reset();
// Calls of kind since the last reset.
int callCount(FaultKind kind);

// Counts a call of kind; the status to fail with when a fault fires.
std::optional<uint8_t> onCall(FaultKind kind);

// "WriteData", "NIMBOSetDataArea", ...: the enumerator name.
QString kindName(FaultKind kind);

} // namespace faults
} // namespace card
