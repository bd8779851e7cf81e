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
    selectHeader();
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
    selectHeader();
    return true;
}

uint8_t FileImage::targetCard(const CardState** card)
{
    if (!open_)
        return kStatusNotOpen;
    *card = &images_[current_];
    return kStatusOk;
}

uint8_t FileImage::changeTargetCard(const std::function<uint8_t(CardState&)>& change)
{
    if (!open_)
        return kStatusNotOpen;
    CardState changed = images_[current_];
    if (const uint8_t status = change(changed); status)
        return status;
    if (changed != images_[current_]) {
        images_[current_] = std::move(changed);
        dirty_ = true;
    }
    return kStatusOk;
}

uint32_t FileImage::targetFileMaxBytes() const
{
    return kImageFileMaxBytes;
}

} // namespace card
