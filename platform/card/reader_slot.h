// The state behind the virtual reader, shared by the card services.
#pragma once

#include "card/card_state.h"
#include "card/layout_target.h"

#include <QString>
#include <functional>
#include <vector>

namespace card {

// The layout target whenever no file image is open: it needs a powered card.
class ReaderSlot : public LayoutTarget {
public:
    static ReaderSlot& instance();

    QString insert(const QString& path, int imageIndex);
    void eject();
    bool hasCard() const { return !images_.empty(); }
    const QString& path() const { return path_; }
    int imageIndex() const { return index_; }
    bool powered() const { return powered_; }
    bool powerOn();
    // Ends any session too, dropping its uncommitted changes.
    void powerOff();
    const CardState* card() const { return hasCard() ? &images_[index_] : nullptr; }
    const QString& lastSaveError() const { return saveError_; }

    // kStatusOk and the card, or why there is no usable card: it must be in
    // the slot and powered.
    uint8_t poweredCard(const CardState** card) const;
    // Runs change on a copy of the powered card and keeps the copy only when
    // change returns kStatusOk and, outside a session, the file was saved.
    uint8_t change(const std::function<uint8_t(CardState&)>& change);

    // A session (a CardImage from Init to Close) keeps its changes in memory
    // until commitSession saves them in one atomic write of the card file;
    // endSession drops what was not committed. Outside a session every
    // change is saved at once, as a card keeps what a reader writes.
    void beginSession();
    uint8_t commitSession();
    void endSession();

    uint8_t targetCard(const CardState** card) override { return poweredCard(card); }
    uint8_t changeTargetCard(const std::function<uint8_t(CardState&)>& fn) override
    {
        return change(fn);
    }
    uint32_t targetFileMaxBytes() const override { return kCardFileMaxBytes; }

private:
    std::vector<CardState> images_; // every image of the file, for saving
    std::vector<CardState> saved_;  // what the file holds, during a session
    bool inSession_ = false;
    int index_ = 0;
    QString path_;
    bool powered_ = false;
    QString saveError_;
};

} // namespace card
