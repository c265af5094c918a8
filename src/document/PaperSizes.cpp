#include "document/PaperSizes.h"

#include <array>

namespace kalder {

namespace {
// Index = ePaperSize. A4 is 11910 x 16838 under its own value (9) but 11907 x 16840 under
// 0 and as the user-defined fallback: documents from earlier callers rely on both.
constexpr std::array<PaperExtent, 42> kSizes = {{
    {11907, 16840},                                   // 0
    {12240, 15840}, {12240, 15840},                   // 1 Letter, 2 Letter small
    {15840, 24480}, {15840, 24480},                   // 3 Tabloid, 4 Ledger
    {12240, 20160},                                   // 5 Legal
    {7920, 12240},                                    // 6 Statement
    {10800, 15120},                                   // 7 Executive
    {16838, 23811},                                   // 8 A3
    {11910, 16838}, {11910, 16838},                   // 9 A4, 10 A4 small
    {8391, 11910},                                    // 11 A5
    {14173, 20069},                                   // 12 B4
    {10318, 14570},                                   // 13 B5
    {12240, 18720},                                   // 14 Folio
    {12189, 15591},                                   // 15 Quarto
    {14400, 20160},                                   // 16 10x14
    {15840, 24480},                                   // 17 11x17
    {12240, 15840},                                   // 18 Note
    {5580, 12780},                                    // 19 Envelope #9
    {5940, 13680},                                    // 20 Envelope #10
    {6480, 14940},                                    // 21 Envelope #11
    {6480, 15840},                                    // 22 Envelope #12
    {7200, 16560},                                    // 23 Envelope #14
    {24480, 31680},                                   // 24 C sheet
    {31680, 48960},                                   // 25 D sheet
    {48960, 63360},                                   // 26 E sheet
    {6236, 12472},                                    // 27 Envelope DL
    {9184, 12983},                                    // 28 Envelope C5
    {18369, 25965},                                   // 29 Envelope C3
    {12983, 18369},                                   // 30 Envelope C4
    {6463, 9184},                                     // 31 Envelope C6
    {6463, 12983},                                    // 32 Envelope C65
    {14173, 20013},                                   // 33 Envelope B4
    {9978, 14173},                                    // 34 Envelope B5
    {7087, 9978},                                     // 35 Envelope B6
    {6236, 13039},                                    // 36 Envelope Italy
    {5580, 10800},                                    // 37 Envelope Monarch
    {5292, 9360},                                     // 38 Envelope Personal
    {15840, 21420},                                   // 39 US Std Fanfold
    {12240, 17280},                                   // 40 German Std Fanfold
    {12240, 18720},                                   // 41 German Legal Fanfold
}};
constexpr std::int32_t kUserDefine = 42;
}  // namespace

PaperExtent paperExtent(std::int32_t paperSize, std::int32_t userWidth, std::int32_t userHeight) {
    if (paperSize == kUserDefine) return userWidth != 0 ? PaperExtent{userWidth, userHeight} : kSizes[0];
    if (paperSize < 0 || paperSize >= static_cast<std::int32_t>(kSizes.size())) return {};
    return kSizes[static_cast<std::size_t>(paperSize)];
}

}  // namespace kalder
