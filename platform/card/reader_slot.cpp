#include "card/reader_slot.h"

#include "card/card_image_file.h"
#include "card/card_status.h"

namespace card {

ReaderSlot& ReaderSlot::instance()
{
    static ReaderSlot slot;
    return slot;
}

QString ReaderSlot::insert(const QString& path, int imageIndex)
{
    std::vector<CardState> images;
    if (QString error = loadCardImageFile(path, &images); !error.isEmpty())
        return error;
    if (imageIndex < 0 || static_cast<std::size_t>(imageIndex) >= images.size())
        return QStringLiteral("card image file %1 holds %2 images; there is no image %3")
            .arg(path)
            .arg(images.size())
            .arg(imageIndex);
    for (const auto& [id, bytes] : images[imageIndex].files) {
        if (bytes.size() > kCardFileMaxBytes)
            return QStringLiteral("image %1 of %2 cannot be a card: file 0x%3 holds %4 bytes, "
                                  "more than a card's %5")
                .arg(imageIndex)
                .arg(path)
                .arg(id, 4, 16, QLatin1Char('0'))
                .arg(bytes.size())
                .arg(kCardFileMaxBytes);
    }
    images_ = std::move(images);
    index_ = imageIndex;
    path_ = path;
    powered_ = false;
    saveError_.clear();
    return {};
}

void ReaderSlot::eject()
{
    inSession_ = false;
    saved_.clear();
    images_.clear();
    index_ = 0;
    path_.clear();
    powered_ = false;
}

bool ReaderSlot::powerOn()
{
    powered_ = hasCard();
    return powered_;
}

void ReaderSlot::powerOff()
{
    endSession();
    powered_ = false;
}

void ReaderSlot::beginSession()
{
    endSession();
    saved_ = images_;
    inSession_ = true;
}

uint8_t ReaderSlot::commitSession()
{
    if (!inSession_ || images_ == saved_)
        return kStatusOk;
    if (QString error = saveCardImageFile(path_, images_); !error.isEmpty()) {
        saveError_ = error;
        images_ = saved_;
        return kStatusSaveFailed;
    }
    saved_ = images_;
    return kStatusOk;
}

void ReaderSlot::endSession()
{
    if (inSession_)
        images_ = std::move(saved_);
    saved_.clear();
    inSession_ = false;
}

uint8_t ReaderSlot::poweredCard(const CardState** card) const
{
    if (!hasCard())
        return kStatusNoCard;
    if (!powered_)
        return kStatusNotPowered;
    *card = &images_[index_];
    return kStatusOk;
}

uint8_t ReaderSlot::change(const std::function<uint8_t(CardState&)>& change)
{
    const CardState* current = nullptr;
    if (const uint8_t status = poweredCard(&current); status != kStatusOk)
        return status;
    std::vector<CardState> changed = images_;
    if (const uint8_t status = change(changed[index_]); status != kStatusOk)
        return status;
    if (changed == images_)
        return kStatusOk;
    if (inSession_) {
        images_ = std::move(changed);
        return kStatusOk;
    }
    if (QString error = saveCardImageFile(path_, changed); !error.isEmpty()) {
        saveError_ = error;
        return kStatusSaveFailed;
    }
    images_ = std::move(changed);
    return kStatusOk;
}

} // namespace card
