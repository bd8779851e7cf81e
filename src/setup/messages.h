// Captions and texts the setup-card operations show, kept in one place so the
// writer, the management-card check and the tests agree on every character.
#pragma once

#include <QString>

#include <cstdint>

namespace setup::text {

inline constexpr char kCaptionError[] = "ERROR: Reader Manager";
inline constexpr char kCaptionWarning[] = "WARNING: Reader Manager";
inline constexpr char kCaptionSuccess[] = "SUCCESS: Reader Manager";
inline constexpr char kCaptionAreYouSure[] = "Are you sure?";

inline constexpr char kCreateSetupTitle[] = "Create Reader Setup Card In Progress ... Please Wait";
inline constexpr char kStepIdentifying[] = "Identifying Card...";
inline constexpr char kStepVerifying[] = "Verifying Card Information...";
inline constexpr char kStepWriting[] = "Writing data structures...";
inline constexpr char kStepReadingHeader[] = "Reading card header...";
inline constexpr char kStepReadingData[] = "Reading card data structure...";
inline constexpr char kStepDone[] = "Done";
inline constexpr char kStepCancelled[] = "Cancelled";

inline constexpr char kErrorReadingType[] = "Error Reading Card Type...\nError Num: %1";
inline constexpr char kEraseQuestionHead[] = "Current Card:\t";
inline constexpr char kEraseQuestionTail[] =
    "\nAre you sure you want to erase this card and make it into a Reader Retro Setup card?";
inline constexpr char kCustIdUnreadable[] = "Could not read Customer Id! Cannot Continue!";
inline constexpr char kWrongCustomer[] = "You are not allowed access! Wrong Customer Id!";
inline constexpr char kCardNotCreated[] = "Card Not Created!";
inline constexpr char kErrorSettingKeys[] = "Error Setting Keys...\nError Num: %1";
inline constexpr char kSetupFileCreated[] = "Reader Setup File Created";
inline constexpr char kSetupCardCreated[] = "Reader Setup Card Created";
inline constexpr char kErrorWritingData[] = "Error Writing Data To Card\nError Num: %1";

inline constexpr char kInsertCardFirst[] = "Please insert card first then retry...";
inline constexpr char kCardUnknown[] = "Card Unknown...\nError Num: %1";
inline constexpr char kNotManagementCard[] = "Card Cannot Be Used As A Management Card...";
inline constexpr char kUnknownCard[] = "Unknown Card...";
inline constexpr char kCardNotSupported[] = "Card Not Supported...";

// A message whose %1 is a card status ("Error Num: %1"). The status is
// widened first: QString::arg would take an 8-bit value as a character.
inline QString withErrorNum(const char* message, uint8_t status)
{
    return QString::fromLatin1(message).arg(static_cast<int>(status));
}

} // namespace setup::text
