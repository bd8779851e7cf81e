// Status numbers of the simulated card stack. Every card service returns an
// 8-bit status: 0 is success, anything else is shown to the operator as
// "Error Num: %d". The numbers start at 101 so they never look like the
// encoders' own statuses (22, 38, family validation codes).
#pragma once

#include <QString>
#include <cstdint>

namespace card {

inline constexpr uint8_t kStatusOk = 0;
// The reader slot is empty.
inline constexpr uint8_t kStatusNoCard = 101;
// The card is in the slot but PowerCard(1) was not called (or it was powered off).
inline constexpr uint8_t kStatusNotPowered = 102;
// A write to a card that was never initialised (factory fresh).
inline constexpr uint8_t kStatusNotInitialised = 103;
// Offset or length outside the header, the file or the request buffer.
inline constexpr uint8_t kStatusOutOfRange = 104;
// A file image used before a successful Init, or after Close.
inline constexpr uint8_t kStatusNotOpen = 105;
// The change could not be saved to the card image file; the card is unchanged.
inline constexpr uint8_t kStatusSaveFailed = 106;
// CardSetKeys without a loaded management key set.
inline constexpr uint8_t kStatusNoKeys = 107;
// The call does not work on the chip of the inserted card (NIMBOCreateCard on
// a chip other than 0, or a cardfx table entry of another chip).
inline constexpr uint8_t kStatusWrongChip = 108;
// A null pointer where a buffer or an out value is needed.
inline constexpr uint8_t kStatusBadArgument = 109;
// CardSetKeys on a card image that does not belong to this card stack.
inline constexpr uint8_t kStatusForeignImage = 110;
// ValidateCard on a card that is not initialised.
inline constexpr uint8_t kStatusCardNotValid = 111;
// 112 is cardlayout::kStatusWrongSetupCardType (a setup-card reader on a card
// of another type), 113 cardlayout::kStatusNotDcCardType, 114 and 115 the DC
// parsers' cardcore::kStatusDcBadLength and kStatusDcBadRecord; statusText
// names them too.
// A machine's reader refuses the card: no DC card, or not for this record.
inline constexpr uint8_t kStatusNotDcCard = 116;
// A machine's reader refuses a DC card of another customer.
inline constexpr uint8_t kStatusWrongCustomer = 117;
// The record does not fit into the rest of the data area.
inline constexpr uint8_t kStatusDcCardFull = 118;

// Short English description of a status, for logs and the command line.
QString statusText(uint8_t status);

} // namespace card
