// Card image files as an operator hands them over: any bytes. A file is
// decoded as it is and once more with its checksum made right, so the
// fuzzer gets past the CRC to the image and file records behind it. What
// decodes must encode to a file that decodes to the same cards, and must
// dump (card dump) without trouble.
#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "card/crc32.h"
#include "fuzz_support.h"

#include <QtEndian>

namespace {

void decodeAndCheck(const QByteArray& bytes)
{
    std::vector<card::CardState> images;
    if (!card::decodeCardImages(bytes, &images).isEmpty())
        return;
    std::vector<card::CardState> again;
    if (!card::decodeCardImages(card::encodeCardImages(images), &again).isEmpty() ||
        again != images)
        fuzz::fail("an encoded card file does not decode to the same cards");
    card::cardImagesToText(images);
    card::cardImagesToJson(images);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    decodeAndCheck(bytes);
    if (size >= card::kCardFileCrcSize) {
        QByteArray fixed = bytes;
        const qsizetype crcAt = fixed.size() - qsizetype(card::kCardFileCrcSize);
        const uint32_t crc = card::crc32(data, size_t(crcAt));
        qToLittleEndian(crc, fixed.data() + crcAt);
        if (fixed != bytes)
            decodeAndCheck(fixed);
    }
    return 0;
}
