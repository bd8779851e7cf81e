// Setup records as a record file hands them over: any 880 bytes (a shorter
// input is padded with zeros) written by create_laundry_setup_card into a
// new setup file, for the customer id the record names. Every encoder must
// cope with any field value.
#include "card/card_images.h"
#include "card/virtual_reader.h"
#include "fuzz_support.h"
#include "laundry/laundry.h"

#include <QFile>

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::silentUi();
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, data, std::min(size, sizeof record));

    static const QString path = fuzz::scratchPath("setup.lcard");
    QFile::remove(path);
    {
        card::RexaFile image;
        if (!image.InitForWrite(path))
            fuzz::fail("a new setup file cannot be made");
        create_laundry_setup_card(&image, record.word_02, &record, 0);
        if (image.isOpen())
            fuzz::fail("the setup file was left open");
    }
    card::resetCardStack();
    fuzz::endInput();
    return 0;
}
