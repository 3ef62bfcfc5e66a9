#pragma once
// The tables of the "Other" page: decimal prefixes and some non-system units,
// each in Russian and in English (UTF-8, one table line an entry).
namespace data {

extern const char* const PrefixesRussian[16];
extern const char* const UnitsRussian[14];
extern const char* const PrefixesEnglish[16];
extern const char* const UnitsEnglish[16];

}  // namespace data
