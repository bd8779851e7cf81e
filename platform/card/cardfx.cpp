#include "services/cardfx.h"

#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/layout_target.h"
#include "services/keyring.h"

namespace cardfx {

using card::FaultKind;

// Identifies the layout target's card, so with a file image open the chip
// globals describe the file's current image.
uint8_t ValidateCard()
{
    if (const auto fault = card::faults::onCall(FaultKind::ValidateCard))
        return *fault;
    const card::CardState* current = nullptr;
    if (const uint8_t status = card::layoutTarget().targetCard(&current); status)
        return status;
    keyring::ChipID = current->chip;
    keyring::pomCard = current->pom ? 1 : 0;
    return current->initialised ? card::kStatusOk : card::kStatusCardNotValid;
}

namespace {

// The entries of one chip refuse a card with another chip, which catches a
// caller that indexes the tables without validating the card first.
uint8_t checkChip(uint8_t chip, const card::CardState* current)
{
    return current->chip == chip ? card::kStatusOk : card::kStatusWrongChip;
}

// One header read through a chip's entry: the fault hook, the argument, the
// current card and its chip, then the value.
template <typename Value, typename Read>
uint8_t readThroughChip(uint8_t chip, FaultKind kind, Value* out, Read read)
{
    if (const auto fault = card::faults::onCall(kind))
        return *fault;
    if (out == nullptr)
        return card::kStatusBadArgument;
    const card::CardState* current = nullptr;
    if (const uint8_t status = card::layoutTarget().targetCard(&current); status)
        return status;
    if (const uint8_t status = checkChip(chip, current); status)
        return status;
    *out = read(*current);
    return card::kStatusOk;
}

template <uint8_t Chip> uint8_t getCardType(uint8_t* type)
{
    return readThroughChip(Chip, FaultKind::FxGetCardType, type,
                           [](const card::CardState& c) { return c.cardType(); });
}

template <uint8_t Chip> uint8_t getCustId(uint16_t* custId)
{
    return readThroughChip(Chip, FaultKind::FxGetCustId, custId,
                           [](const card::CardState& c) { return c.custId(); });
}

template <uint8_t Chip> uint8_t setCustId(uint16_t* custId)
{
    if (const auto fault = card::faults::onCall(FaultKind::FxSetCustId))
        return *fault;
    if (custId == nullptr)
        return card::kStatusBadArgument;
    const uint16_t value = *custId;
    return card::layoutTarget().changeTargetCard([value](card::CardState& c) {
        if (const uint8_t status = checkChip(Chip, &c); status)
            return status;
        return c.setCustId(value);
    });
}

template <uint8_t Chip> uint8_t setCardVersion(uint8_t version)
{
    if (const auto fault = card::faults::onCall(FaultKind::FxSetCardVersion))
        return *fault;
    return card::layoutTarget().changeTargetCard([version](card::CardState& c) {
        if (const uint8_t status = checkChip(Chip, &c); status)
            return status;
        return c.setVersion(version);
    });
}

} // namespace

const GetCardTypeFn GetCardType[kChipCount] = {getCardType<0>, getCardType<1>, getCardType<2>,
                                               getCardType<3>};
const GetCustIdFn GetCustId[kChipCount] = {getCustId<0>, getCustId<1>, getCustId<2>, getCustId<3>};
const SetCustIdFn SetCustId[kChipCount] = {setCustId<0>, setCustId<1>, setCustId<2>, setCustId<3>};
const SetCardVersionFn SetCardVersion[kChipCount] = {setCardVersion<0>, setCardVersion<1>,
                                                     setCardVersion<2>, setCardVersion<3>};

} // namespace cardfx
