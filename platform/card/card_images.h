// The card image kinds of this card stack: CardImage is the card in the
// virtual reader, FileImage a card image file of one or more images.
#pragma once

#include "card/card_state.h"
#include "card/layout_target.h"
#include "card/target_card_image.h"

#include <QString>
#include <vector>

namespace card {

// The card in the reader slot. Every operation needs the card powered; Init
// powers it on and Close powers it off. What is written between them reaches
// the card file at Commit, in one atomic save; Close drops the rest.
class CardImage : public TargetCardImage {
public:
    // Powers the card on; initialises a card that is not initialised and then
    // reports IsNewCard. False when the slot is empty.
    bool Init() override;
    void Close() override;
    bool GetNextCardImage() override;
    uint32_t GetMaxDataSize() override { return kCardFileMaxBytes; }
    bool CheckPrevState() override { return true; }
    bool IsCreatingSetupFile() override { return false; }
    uint8_t Commit() override;

    // Why the last Init or Commit failed.
    QString lastError() const { return lastError_; }

protected:
    CardImage() = default;
    LayoutTarget& target() override;

private:
    QString lastError_;
};

class RexaCard : public CardImage {};
class NimboCard : public CardImage {};

// A card image file. Init loads every image; the operations act on the
// current image in memory; Commit saves the file atomically when something
// changed, and Close drops what was not committed. GetMaxDataSize reports no limit, but a file on
// an image stops at kImageFileMaxBytes (1 MiB): writes past it fail with kStatusOutOfRange.
//
// From a successful Init until Close (or destruction) the file image is the
// layout target: the cardlayout calls and the cardfx globals and tables act
// on its current image, not on the card in the reader, and their changes are
// saved with the file's other changes on Close.
class FileImage : public TargetCardImage, public LayoutTarget {
public:
    // An image dropped without Close stops being the layout target; its
    // unsaved changes are lost.
    ~FileImage() override;
    FileImage(const FileImage&) = delete;
    FileImage& operator=(const FileImage&) = delete;

    bool Init() override;
    void Close() override;
    bool GetNextCardImage() override;
    uint32_t GetMaxDataSize() override { return 0xFFFFFFFF; }
    bool CheckPrevState() override { return false; }
    bool IsCreatingSetupFile() override { return true; }
    uint8_t Commit() override;
    // Makes the image writable output: Init then starts from one initialised
    // blank image when the file is missing (the file appears only at a
    // successful Commit) and initialises a blank first image (reporting
    // IsNewCard) instead of refusing writes to it. False when path cannot be
    // written: a folder, a file that is not writable, a missing folder.
    bool InitForWrite(const QString& path);

    const QString& path() const { return path_; }
    // Why the last Init, InitForWrite or Commit failed.
    QString lastError() const { return lastError_; }
    bool isOpen() const { return open_; }

protected:
    FileImage() = default;
    explicit FileImage(const QString& path) : path_(path) {}
    LayoutTarget& target() override { return *this; }

private:
    uint8_t targetCard(const CardState** card) override;
    uint8_t changeTargetCard(const std::function<uint8_t(CardState&)>& change) override;
    uint32_t targetFileMaxBytes() const override;

    QString path_;
    QString lastError_;
    std::vector<CardState> images_;
    std::size_t current_ = 0;
    bool open_ = false;
    bool dirty_ = false;
    bool forWrite_ = false;
};

class RexaFile : public FileImage {
public:
    RexaFile() = default;
    explicit RexaFile(const QString& path) : FileImage(path) {}
};
class NimboFile : public FileImage {
public:
    NimboFile() = default;
    explicit NimboFile(const QString& path) : FileImage(path) {}
};

} // namespace card
