// The abstract card image every encoder and reader works on. The host
// creates the concrete kind (a card in the reader or a card image file) and
// hands it in by reference; the virtual operations keep their slot order.
#pragma once

#include <cstdint>

class BaseCardImage {
public:
    virtual ~BaseCardImage();                             // 1
    virtual bool Init() { return true; }                  // 2
    virtual void Close() {}                               // 3
    virtual bool GetNextCardImage() { return false; }     // 4
    virtual uint8_t SelectFile(uint16_t fileId) = 0;      // 5
    virtual uint8_t GetCardType(uint8_t* type) = 0;       // 6
    virtual uint8_t GetCustId(uint16_t* custId) = 0;      // 7
    virtual uint8_t GetCardVersion(uint8_t* version) = 0; // 8
    virtual uint8_t ReadData(uint32_t length, uint32_t offset,
                             uint8_t* buffer) = 0;       // 9
    virtual uint8_t SetCardType(uint8_t type) = 0;       // 10
    virtual uint8_t SetCustId(uint16_t custId) = 0;      // 11
    virtual uint8_t SetCardVersion(uint8_t version) = 0; // 12
    virtual uint8_t WriteData(uint32_t length, uint32_t offset,
                              const uint8_t* buffer) = 0; // 13
    virtual uint32_t GetMaxDataSize() = 0;                // 14
    virtual bool CheckPrevState() = 0;                    // 15
    virtual bool IsCreatingSetupFile() = 0;               // 16

    // After the card library's slots: makes the writes since Init lasting
    // (a file image saves its file, the card in the reader its card file).
    // 0, or the status of the failure, after which nothing of them is kept.
    // Close without Commit drops them, so an operation that fails half-way
    // leaves the card or file as it was.
    virtual uint8_t Commit() { return 0; }

    uint32_t GetNumCardImages() const { return numCardImages_; }
    bool IsNewCard() const { return newCard_; }

protected:
    uint8_t workArea_[512] = {};
    uint32_t numCardImages_ = 1;
    bool newCard_ = false;
};

// The setup data file of every setup card, and the data area of DC and
// price-special cards.
inline constexpr uint16_t kSetupDataFileId = 0x2001;
