#include "card/card_image_file.h"
#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"

#include <QDir>
#include <QFileInfo>

namespace card {

namespace {

std::vector<CardState> oneBlankInitialisedImage()
{
    CardState image = CardState::factoryFresh();
    image.initialise();
    return {image};
}

} // namespace

bool FileImage::InitForWrite(const QString& path)
{
    if (faults::onCall(FaultKind::InitForWrite)) {
        lastError_ = QStringLiteral("injected fault");
        return false;
    }
    path_ = path;
    forWrite_ = true;
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) {
        lastError_ = QStringLiteral("card image file %1 is not a writable file").arg(path);
        return false;
    }
    if (!info.exists() && !info.absoluteDir().exists()) {
        lastError_ = QStringLiteral("cannot write card image file %1: the folder %2 does not exist")
                         .arg(path, info.absolutePath());
        return false;
    }
    lastError_.clear();
    return true;
}

FileImage::~FileImage()
{
    closeLayoutTarget(*this);
}

bool FileImage::Init()
{
    closeLayoutTarget(*this);
    open_ = false;
    dirty_ = false;
    images_.clear();
    current_ = 0;
    selected_.reset();
    newCard_ = false;
    if (faults::onCall(FaultKind::Init)) {
        lastError_ = QStringLiteral("injected fault");
        return false;
    }
    if (path_.isEmpty()) {
        lastError_ = QStringLiteral("no card image file given");
        return false;
    }
    if (forWrite_ && !QFileInfo::exists(path_)) {
        images_ = oneBlankInitialisedImage();
        dirty_ = true;
    } else if (QString error = loadCardImageFile(path_, &images_); !error.isEmpty()) {
        lastError_ = error;
        return false;
    }
    if (forWrite_ && !images_.front().initialised) {
        images_.front().initialise();
        newCard_ = true;
        dirty_ = true;
    }
    numCardImages_ = static_cast<uint32_t>(images_.size());
    open_ = true;
    openLayoutTarget(*this);
    lastError_.clear();
    return true;
}

uint8_t FileImage::Commit()
{
    if (!open_)
        return kStatusNotOpen;
    if (!dirty_)
        return kStatusOk;
    lastError_ = saveCardImageFile(path_, images_);
    if (!lastError_.isEmpty())
        return kStatusSaveFailed;
    dirty_ = false;
    return kStatusOk;
}

void FileImage::Close()
{
    closeLayoutTarget(*this);
    faults::onCall(FaultKind::Close);
    open_ = false;
    dirty_ = false;
    images_.clear();
}

bool FileImage::GetNextCardImage()
{
    if (faults::onCall(FaultKind::GetNextCardImage))
        return false;
    if (!open_ || current_ + 1 >= images_.size())
        return false;
    ++current_;
    selected_.reset();
    return true;
}

uint8_t FileImage::currentImage(CardState** image)
{
    if (!open_)
        return kStatusNotOpen;
    *image = &images_[current_];
    return kStatusOk;
}

uint8_t FileImage::markChanged(uint8_t status)
{
    if (status == kStatusOk)
        dirty_ = true;
    return status;
}

uint8_t FileImage::targetCard(const CardState** card)
{
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    *card = image;
    return kStatusOk;
}

uint8_t FileImage::changeTargetCard(const std::function<uint8_t(CardState&)>& change)
{
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    CardState changed = *image;
    if (const uint8_t status = change(changed); status)
        return status;
    if (changed != *image) {
        *image = std::move(changed);
        dirty_ = true;
    }
    return kStatusOk;
}

uint32_t FileImage::targetFileMaxBytes() const
{
    return kImageFileMaxBytes;
}

uint8_t FileImage::SelectFile(uint16_t fileId)
{
    if (const auto fault = faults::onCall(FaultKind::SelectFile))
        return *fault;
    if (!open_)
        return kStatusNotOpen;
    selected_ = fileId;
    return kStatusOk;
}

uint8_t FileImage::GetCardType(uint8_t* type)
{
    if (const auto fault = faults::onCall(FaultKind::GetCardType))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    if (type == nullptr)
        return kStatusBadArgument;
    *type = image->cardType();
    return kStatusOk;
}

uint8_t FileImage::GetCustId(uint16_t* custId)
{
    if (const auto fault = faults::onCall(FaultKind::GetCustId))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    if (custId == nullptr)
        return kStatusBadArgument;
    *custId = image->custId();
    return kStatusOk;
}

uint8_t FileImage::GetCardVersion(uint8_t* version)
{
    if (const auto fault = faults::onCall(FaultKind::GetCardVersion))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    if (version == nullptr)
        return kStatusBadArgument;
    *version = image->version();
    return kStatusOk;
}

uint8_t FileImage::ReadData(uint32_t length, uint32_t offset, uint8_t* buffer)
{
    if (const auto fault = faults::onCall(FaultKind::ReadData))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return image->read(selected_, offset, length, buffer, kImageFileMaxBytes);
}

uint8_t FileImage::SetCardType(uint8_t type)
{
    if (const auto fault = faults::onCall(FaultKind::SetCardType))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return markChanged(image->setCardType(type));
}

uint8_t FileImage::SetCustId(uint16_t custId)
{
    if (const auto fault = faults::onCall(FaultKind::SetCustId))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return markChanged(image->setCustId(custId));
}

uint8_t FileImage::SetCardVersion(uint8_t version)
{
    if (const auto fault = faults::onCall(FaultKind::SetCardVersion))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return markChanged(image->setVersion(version));
}

uint8_t FileImage::WriteData(uint32_t length, uint32_t offset, const uint8_t* buffer)
{
    if (const auto fault = faults::onCall(FaultKind::WriteData))
        return *fault;
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return markChanged(image->write(selected_, offset, length, buffer, kImageFileMaxBytes));
}

uint8_t FileImage::writeKeyArea(const KeyArea& keys)
{
    CardState* image = nullptr;
    if (const uint8_t status = currentImage(&image); status)
        return status;
    return markChanged(image->setKeys(keys));
}

} // namespace card
