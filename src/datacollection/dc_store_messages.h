// Titles and texts of storing DC records, marking duplicates and the
// card-holder lookup, in one place so the code and the tests agree on every
// character. "%1 : %2" is an engine error's number and description.
#pragma once

namespace datacollection::text {

inline constexpr char kTitleReaderManager[] = "Reader Manager";
inline constexpr char kTitleManager[] = "Manager";
inline constexpr char kTitleUtilityError[] = "ERROR: Utility Manager";
inline constexpr char kTitleReaderError[] = "ERROR: Reader Manager";

inline constexpr char kTempAddNew[] =
    "Error AddNew Reader record to temp database.\nError %1 : %2\n";
inline constexpr char kTempSetField[] =
    "Error SetField Reader record to temp database.\nError %1 : %2\n";
inline constexpr char kTempUpdate[] =
    "Error Update Reader record to temp database..\nError %1 : %2\n";

inline constexpr char kStoreError[] =
    "Error adding new Reader data collection record.\nError %1 : %2\n";
inline constexpr char kCantOpenMachineData[] = "Can't open the MACHINE DATA database table";
inline constexpr char kCantOpenAdvanteckAudit[] = "Can't open the ADVANTECK AUDIT database table";
inline constexpr char kCantOpenManager[] = "Can't open the MANAGER database table";

inline constexpr char kSearchError[] = "Error searching datacol database..\nError %1 : %2\n";

inline constexpr char kCantOpenManagerMdb[] = "ERROR: Can't open manager.mdb.";
inline constexpr char kCantOpenSerialInfo[] = "ERROR: Can't open SERIAL INFO table.";
inline constexpr char kCantOpenUserInfo[] = "ERROR: Can't open USER INFO table.";
inline constexpr char kRecordCountError[] = "Database Record Error\n%1 : %2";
inline constexpr char kTransferError[] = "Cannot transfer database to members \nError %1 : %2\n";

} // namespace datacollection::text
