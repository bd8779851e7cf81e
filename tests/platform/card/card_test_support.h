// A clean card stack and a scratch folder for each card test.
#pragma once

#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "card/virtual_reader.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

class CardStackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        card::resetCardStack();
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override { card::resetCardStack(); }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QString writeImages(const QString& name, const std::vector<card::CardState>& images)
    {
        const QString file = path(name);
        EXPECT_EQ(card::saveCardImageFile(file, images), QString());
        return file;
    }

    // Inserts a card of the given chip; initialised cards get type 0 and
    // customer id 0 like NIMBOCreateCard leaves them.
    QString insertCard(bool initialised, uint8_t chip = 0, bool pom = false)
    {
        card::CardState state = card::CardState::factoryFresh(chip, pom);
        if (initialised)
            state.initialise();
        const QString file = writeImages(QStringLiteral("slot.lcif"), {state});
        QString error;
        EXPECT_TRUE(card::insertCardFile(file, &error)) << error.toStdString();
        return file;
    }

    // The card as stored in its file, to prove write-through.
    static card::CardState cardOnDisk(const QString& file, std::size_t index = 0)
    {
        std::vector<card::CardState> images;
        const QString error = card::loadCardImageFile(file, &images);
        EXPECT_EQ(error, QString());
        return index < images.size() ? images[index] : card::CardState{};
    }

    static QByteArray readFile(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QTemporaryDir dir_;
};
