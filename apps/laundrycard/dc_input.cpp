#include "dc_input.h"

#include "card/card_images.h"
#include "cli.h"
#include "laundry/dc_cards.h"
#include "laundry/laundry.h"

namespace cli {

void addDcCardOptions(CommandParser& cmd)
{
    cmd.addReaderOption();
    cmd.parser().addOption({QStringLiteral("cust"),
                            QStringLiteral("Customer id the card belongs to."),
                            QStringLiteral("ID")});
}

bool readDcRecords(const QString& cardPath, uint16_t custId, GenericDC& records)
{
    // The file's every image, as the reader would present them one by one.
    card::RexaFile image(cardPath);
    if (fill_laundry_dc_array(&image, custId, &records) == 1)
        return true;
    if (!image.lastError().isEmpty())
        printError(image.lastError());
    return false;
}

bool openSystemDatabase(const QString& path, CdbDatabase& database)
{
    // The library opens the same file itself for the card-holder lookup.
    set_laundry_database_path(path.toUtf8().constData());
    CdbDBEngine engine;
    if (dbhelper::Connect_To_Database(path, &database, &engine, 0))
        return true;
    printError(dbhelper::openFailureText(path));
    return false;
}

} // namespace cli
