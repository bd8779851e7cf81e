// The family formatters of the card details report. Each reads the card in
// the reader through the layout library and appends its lines to `text`; on
// a failed read it shows its read error and appends nothing.
#pragma once

#include <QString>

namespace report {

// Data collection cards: the record count of the used length.
void describeDcCard(QString& text);        // 210, records of 37 bytes
void describeComplexDcCard(QString& text); // 215, records of 185 bytes
void describeCycleSetup(QString& text);    // 181
void describePriceSpecial(QString& text);  // 0xB0

void describeTovan2000(QString& text);    // 180
void describeRetrofit(QString& text);     // 184
void describeGen2Advanced(QString& text); // 185 and 197
void describeGen2(QString& text);         // 187
void describeAdvantech(QString& text);    // 192

void describeMdc(QString& text);      // 193
void describeWascomat(QString& text); // 200
void describeMaytag(QString& text);   // 199 and 201

} // namespace report
