// The exported interface of the laundry library. A host loads the library and
// calls these plain functions; each sets up the library's module state on
// entry, shows its own messages and returns a small status.
#pragma once

#include "laundry/advanteck_setup_card.h"
#include "laundry/dc_cards.h"
#include "laundry/gen2_setup_card.h"
#include "laundry/laundry_export.h"
#include "laundry/laundry_setup.h"
#include "laundry/mdc_setup_card.h"
#include "laundry/price_specials.h"
#include "laundry/setup_cards.h"

#include <QString>

#include <cstdint>

class BaseCardImage;

extern "C" {

// The library's version, "0.1.0".
LAUNDRY_EXPORT const char* laundry_library_version();

// How the library shows message boxes and progress windows.
enum LaundryUiMode {
    LAUNDRY_UI_AUTO = -1,    // Qt when the host runs a QApplication, else console
    LAUNDRY_UI_QT = 0,       // message boxes and progress dialogs
    LAUNDRY_UI_CONSOLE = 1,  // stderr; questions answered by the host's choice
    LAUNDRY_UI_SCRIPTED = 2, // the prompt and progress services the host installed
};
LAUNDRY_EXPORT void set_laundry_ui_mode(int mode);

// Stores the cleared values into a setup record before a profile is loaded.
LAUNDRY_EXPORT void clear_laundry_setup_struct(STRUCT_laundry_setup* record);

// Writes `record` as a reader setup card onto `image` (a setup file when the
// image is a file image). 1 when written, 0 otherwise. The last argument is
// accepted and not used.
LAUNDRY_EXPORT uint8_t create_laundry_setup_card(BaseCardImage* image, uint16_t custId,
                                                 STRUCT_laundry_setup* record, uint32_t unused);

// Reads a Retrofit (184) or Maytag Gen2 (187) setup card in the reader back
// into `record`; *headerByte receives the card version. 1 when read, 0
// otherwise (silently).
LAUNDRY_EXPORT uint8_t read_laundry_setup_card(STRUCT_laundry_setup* record, uint8_t* headerByte);
// The same, then the whole card read into the record as its encoder reads
// it (card type, times in minutes, every block field), so that the record
// writes the same card again. What hosts save as a record file.
LAUNDRY_EXPORT uint8_t read_laundry_setup_record(STRUCT_laundry_setup* record, uint8_t* headerByte);

// The system database the profile entry points open ("manager.mdb" in the
// current directory until a host names another file; null puts that back).
LAUNDRY_EXPORT void set_laundry_database_path(const char* path);

// Opens the profile editor in selection mode. 1 when the operator chose a
// profile and `record` was filled from it, 0 otherwise. `profile_name` (31
// bytes: at most 30 Latin-1 characters and a NUL) receives the profile last
// loaded into the editor, "" when none was; it is left alone when the
// database could not be opened. A stored name that Latin-1 cannot carry
// (only another program could have stored it) is refused with a message,
// never handed back changed: the result is then 0 and the buffer "".
LAUNDRY_EXPORT uint8_t SelectLaundrySetupProfile(char* profile_name, STRUCT_laundry_setup* record);

// Opens the profile editor as the profile manager.
LAUNDRY_EXPORT void ShowAndLoadLaundrySetupProfile();

// Without a dialog: finds the profile `name` (UTF-8, letter case ignored),
// checks it as the editor's Select does and fills `record`. 1 on success;
// every refusal is shown.
LAUNDRY_EXPORT uint8_t load_laundry_setup_profile(const char* name, STRUCT_laundry_setup* record);

// Appends a plain-text description of the card in the reader, of type
// `cardType`, to `text`, one item a line, each line ending in CR LF. Unknown
// types append nothing; a failed read shows its message and appends nothing.
// The host identifies and powers the card first.
LAUNDRY_EXPORT void GetCardDetails(uint16_t cardType, QString& text);

// Family encoders: 0 on success, else the card's or the encoder's status.
LAUNDRY_EXPORT uint8_t CardSetRetrofitSetup(BaseCardImage& image, RETRO_FIT_SETUP_CARD* record);
LAUNDRY_EXPORT uint8_t CardSetGen2Setup(BaseCardImage& image, GEN2_SETUP_CARD* record);
LAUNDRY_EXPORT uint8_t CardSetLgSetup(BaseCardImage& image, GEN2_LG_SETUP_CARD* record);
LAUNDRY_EXPORT uint8_t CardSetMarlinSetup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetQuicksilverSetup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetManualSetup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetAllianceAcaSetup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetCenturionSetup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, STRUCT_laundry_setup* record);
LAUNDRY_EXPORT uint8_t CardSetAdvanteckSetup(BaseCardImage& image, ADVNTECK_SETUP_CARD* record);
LAUNDRY_EXPORT uint8_t CardSetMdcSetup(BaseCardImage& image, MDC_SETUP_CARD* record);

} // extern "C"
