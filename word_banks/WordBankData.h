#pragma once

#include <string_view>

// Generated from data/bank1.tsv … bank7.tsv by gen/wordbank_gen at build time: for each bank and
// entry, the English and the Japanese field, already cut and padded to their widths.
extern const std::u16string_view kWordBankFields[7][1000][2];
