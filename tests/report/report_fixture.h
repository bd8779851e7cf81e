// The two checks every card-details test makes: what a formatter appends to
// the host's text, and that a failed read shows its message and appends
// nothing.
#pragma once

#include "report/card_details.h"
#include "services/prompt.h"
#include "support/card_fixture.h"

class ReportFixture : public CardFixture {
protected:
    static constexpr char kHostText[] = "Card Type: host text\r\n";

    // What `formatter` appends after the host's own text, with no message shown.
    QString appendedBy(report::Formatter formatter)
    {
        QString text = QString::fromLatin1(kHostText);
        formatter(text);
        EXPECT_TRUE(text.startsWith(QLatin1String(kHostText)));
        EXPECT_TRUE(script().messages().empty());
        return text.mid(int(sizeof kHostText) - 1);
    }

    void expectReadErrorOnly(report::Formatter formatter, const char* message)
    {
        QString text = QString::fromLatin1(kHostText);
        formatter(text);
        EXPECT_EQ(text, QLatin1String(kHostText));
        ASSERT_EQ(script().messages().size(), 1u);
        const ui::RecordedMessage& box = script().messages()[0];
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.caption, "ERROR: Read Card");
        EXPECT_EQ(box.buttons, unsigned(promptui::MB_OK));
    }
};
