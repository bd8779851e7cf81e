// The texts the price special and restriction card writer shows.
#pragma once

namespace specials::text {

inline constexpr char kSelectProfileFirst[] = "You must select a Profile before creating a card.";
inline constexpr char kTooManyEntries[] =
    "The maximum number of special entries written to a card is limited to %1. Please delete some "
    "special entries from this profile and try again.";
inline constexpr char kNoEntries[] =
    "You must add at least 1 Time entry to this profile before creating a card.";
inline constexpr char kCreatingTitle[] = "Creating %1 Card ...";
inline constexpr char kStepConstructing[] = "Constructing data file";
inline constexpr char kStepInitializing[] = "Initializing card";
inline constexpr char kStepWriting[] = "Writing data to card";
inline constexpr char kStepDone[] = "Done";
inline constexpr char kPriceCardCreated[] = "Price Specials Card Created";
inline constexpr char kRestrictionCardCreated[] = "Restriction Time Card Created";
inline constexpr char kCaptionPriceSuccess[] = "SUCCESS: Reader Manager";
inline constexpr char kCaptionDoorSuccess[] = "SUCCESS: Door Access Manager";
inline constexpr char kErrorWritingHeader[] = "Error writing header information. Error %1";
inline constexpr char kErrorWritingVersion[] = "Error writing card version #. Error %1";
inline constexpr char kChipCannotBeKind[] =
    "This card's chip type cannot be used as a %1 card. Please insert another card.";
inline constexpr char kErasePriceQuestion[] =
    "\nAre you sure you want to erase this card and make it into a Reader Price Special card?";
inline constexpr char kEraseDoorQuestion[] = "\nAre you sure you want to erase this card and make "
                                             "it into a door access time restricion card?";

} // namespace specials::text
