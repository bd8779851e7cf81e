// A card image in memory that records the order of its operations and can
// fail any one of them: enough to check an encoder's frame without the
// card stack.
#pragma once

#include "services/card_image.h"

#include <QByteArray>
#include <QStringList>

#include <map>
#include <optional>

class RecordingCardImage : public BaseCardImage {
public:
    static constexpr uint8_t kNoFile = 0x45;

    QStringList calls;
    QByteArray header = QByteArray(8, '\0');
    std::map<uint16_t, QByteArray> files;
    std::optional<uint16_t> selected;
    QString failOn; // operation name that fails
    uint8_t failStatus = 0x6F;

    uint8_t SelectFile(uint16_t id) override
    {
        if (auto s = call(QStringLiteral("SelectFile %1").arg(id, 4, 16, QLatin1Char('0'))))
            return s;
        selected = id;
        return 0;
    }
    uint8_t GetCardType(uint8_t* type) override
    {
        *type = uint8_t(header[0]);
        return call(QStringLiteral("GetCardType"));
    }
    uint8_t GetCustId(uint16_t* id) override
    {
        *id = uint16_t((uint8_t(header[1]) << 8) | uint8_t(header[2]));
        return call(QStringLiteral("GetCustId"));
    }
    uint8_t GetCardVersion(uint8_t* v) override
    {
        *v = uint8_t(header[3]);
        return call(QStringLiteral("GetCardVersion"));
    }
    uint8_t ReadData(uint32_t length, uint32_t offset, uint8_t* buffer) override
    {
        if (auto s = call(QStringLiteral("ReadData %1 %2").arg(length).arg(offset)))
            return s;
        const QByteArray& target = selected ? files[*selected] : header;
        for (uint32_t i = 0; i < length; ++i)
            buffer[i] = offset + i < uint32_t(target.size()) ? uint8_t(target[offset + i]) : 0;
        return 0;
    }
    uint8_t SetCardType(uint8_t t) override { return setHeader(0, t, "SetCardType"); }
    uint8_t SetCustId(uint16_t id) override
    {
        if (auto s = call(QStringLiteral("SetCustId %1").arg(id)))
            return s;
        header[1] = char(id >> 8);
        header[2] = char(id & 0xFF);
        return 0;
    }
    uint8_t SetCardVersion(uint8_t v) override { return setHeader(3, v, "SetCardVersion"); }
    uint8_t WriteData(uint32_t length, uint32_t offset, const uint8_t* buffer) override
    {
        const QString where = selected
                                  ? QStringLiteral("%1").arg(*selected, 4, 16, QLatin1Char('0'))
                                  : QStringLiteral("header");
        if (auto s = call(QStringLiteral("WriteData %1 %2 %3").arg(where).arg(length).arg(offset)))
            return s;
        QByteArray& target = selected ? files[*selected] : header;
        if (target.size() < qsizetype(offset + length))
            target.resize(offset + length, '\0');
        for (uint32_t i = 0; i < length; ++i)
            target[offset + i] = char(buffer[i]);
        return 0;
    }
    uint32_t GetMaxDataSize() override { return 7872; }
    bool CheckPrevState() override { return true; }
    bool IsCreatingSetupFile() override { return false; }

    QByteArray file(uint16_t id) { return files[id]; }

private:
    uint8_t call(const QString& what)
    {
        calls << what;
        return what.startsWith(failOn) && !failOn.isEmpty() ? failStatus : 0;
    }
    uint8_t setHeader(int at, uint8_t value, const char* name)
    {
        if (auto s = call(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value)))
            return s;
        header[at] = char(value);
        return 0;
    }
};
