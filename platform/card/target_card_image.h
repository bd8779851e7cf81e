// The card operations both image kinds share: each counts its fault, checks
// its arguments, finds the card it acts on (the powered card in the reader, or
// the current image of an open file) and reads or changes it.
#pragma once

#include "card/card_state.h"
#include "card/layout_target.h"
#include "services/card_image.h"

namespace card {

// The images of this stack whose key area CardSetKeys can write.
class KeyAreaTarget {
public:
    virtual uint8_t writeKeyArea(const KeyArea& keys) = 0;

protected:
    ~KeyAreaTarget() = default;
};

class TargetCardImage : public BaseCardImage, public KeyAreaTarget {
public:
    uint8_t SelectFile(uint16_t fileId) override;
    uint8_t GetCardType(uint8_t* type) override;
    uint8_t GetCustId(uint16_t* custId) override;
    uint8_t GetCardVersion(uint8_t* version) override;
    uint8_t ReadData(uint32_t length, uint32_t offset, uint8_t* buffer) override;
    uint8_t SetCardType(uint8_t type) override;
    uint8_t SetCustId(uint16_t custId) override;
    uint8_t SetCardVersion(uint8_t version) override;
    uint8_t WriteData(uint32_t length, uint32_t offset, const uint8_t* buffer) override;
    uint8_t writeKeyArea(const KeyArea& keys) override;

protected:
    // The card the operations act on.
    virtual LayoutTarget& target() = 0;
    // Reads and writes go to the header again, as after a new Init.
    void selectHeader() { selected_.reset(); }

private:
    FileSelection selected_;
};

} // namespace card
