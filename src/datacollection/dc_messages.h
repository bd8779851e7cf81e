// Captions, titles, steps and texts of the data collection card operations,
// in one place so the creators, the readers and the tests agree on every
// character. "%1" and "%2" stand for a status or a card type name.
#pragma once

#include <QString>

#include <cstdint>

namespace datacollection::text {

inline constexpr char kCaptionError[] = "ERROR: Reader Manager";
// The plain and complex creators have always titled a failed format so.
inline constexpr char kCaptionCreateError[] = "ERROR: Vendra Manager";
inline constexpr char kCaptionDone[] = "DONE: Reader Manager";
inline constexpr char kCaptionConfirm[] = "CONFIRM: Reader Manager";
inline constexpr char kCaptionAreYouSure[] = "Are you sure?";
inline constexpr char kCaptionApplication[] = "Reader Manager";

// Creators.
inline constexpr char kTitlePlain[] = "Creating Reader Data Collection card ... Please Wait";
inline constexpr char kTitleComplex[] =
    "Creating Complex Reader Data Collection card ... Please Wait";
inline constexpr char kTitleManual[] =
    "Creating Reader Manual Data Collection card ... Please Wait";
inline constexpr char kTitleAdvanteck[] = "Creating %1 ... Please Wait";

inline constexpr char kStepIdentifying[] = "Identifying Card...";
inline constexpr char kStepValidating[] = "Validating Card ...";
inline constexpr char kStepCheckingType[] = "Checking Card Type ...";
inline constexpr char kStepChecking[] = "Checking Card ...";
inline constexpr char kStepWritingDataHeader[] = "Writing data card header...";
inline constexpr char kStepWritingHeader[] = "Writing card header ...";
inline constexpr char kStepDone[] = "Done";
inline constexpr char kStepCancelled[] = "Cancelled";
inline constexpr char kStepWriteCancelled[] = "ERROR: Write Cancelled";

inline constexpr char kErrorReadingType[] = "Error Reading Card Type...\nError Num: %1";
inline constexpr char kErrorReadingCustId[] = "Error Reading Customer ID...\nError Num: %1";
inline constexpr char kErrorWritingCustId[] = "Error Writing Customer Id...\nError Num: %1";
inline constexpr char kErrorCreating[] = "Error Creating Card...\nError Num: %1";
inline constexpr char kWrongCustomer[] = "You are not allowed access! Wrong Customer Id!";
inline constexpr char kCardCreated[] = "Card Created \nNew Card Type : %1";

inline constexpr char kReaderDcInsertedCaption[] = "Reader Data Collection Card Inserted";
inline constexpr char kEraseRecordsQuestion[] =
    "The card inserted is already a Reader data collection card.\nIf you continue, you will "
    "erase the records currently on the card.\nDo you want to continue?";
inline constexpr char kOverwriteQuestion[] =
    "Current Card type is : %1\nDo you want to overwrite it to %2 type ?";
inline constexpr char kManualOverwriteQuestion[] =
    "Wrong Card Type !\nCurrent Card Type is : %1\nDo you want to overwrite it to : %2";
inline constexpr char kAdvanteckEraseQuestion[] =
    "Card is already a %1.\nContinuing will delete any data on the card. Continue..?";
inline constexpr char kAdvanteckOverwriteQuestion[] =
    "Current Card type is : %1\nDo you want to overwrite it to %2 type?";

// Readers.
inline constexpr char kTitleReadReaderDc[] = "Reading Reader Data Collection card ... Please Wait";
inline constexpr char kNotReaderDcCaption[] = "Reader Data Collection Card Not Found";
inline constexpr char kNotReaderDcHead[] = "Current Card:\t";
inline constexpr char kNotReaderDcTail[] = "\nThis card is not a Reader data collection card.";

inline constexpr char kTitleReadMachineDc[] =
    "Reading Machine Data Collection card ... Please Wait";
inline constexpr char kStepReadingTotal[] = "Reading Total Number of Records ...";
inline constexpr char kStepReadingMachineDc[] = "Reading Machine Data Collection Card ...";
inline constexpr char kErrorReadingCard[] = "Error Reading Card...\nError Num: %1";
inline constexpr char kNotDcCard[] = "Current Card is Not A Reader Data Collection Card";
inline constexpr char kWrongCustomerId[] = "Wrong Customer ID !\nNot allowed to access this card !";
inline constexpr char kErrorParsing[] = "Error Reading Card\nError Num: %1";
inline constexpr char kNoRecords[] =
    "No Reader records on card. Insert card into Reader machine first.";

// A message whose %1 is a card status, widened first: QString::arg would
// take an 8-bit value as a character.
inline QString withErrorNum(const char* message, uint8_t status)
{
    return QString::fromLatin1(message).arg(static_cast<int>(status));
}

inline QString latin(const char* message)
{
    return QString::fromLatin1(message);
}

} // namespace datacollection::text
