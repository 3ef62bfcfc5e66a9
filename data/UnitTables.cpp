#include "data/UnitTables.h"

namespace data {

// Names in Cyrillic letters throughout (also those that look Latin); the
// symbols in the last field are Latin, as in the English table.
const char* const PrefixesRussian[16] = {
    "10(+18) - экса - E",  "10(+15) - пета - P",   "10(+12) - тера - T",  "10(+9) - гига - G",
    "10(+6) - мега - M",   "10(+3) - кило - K",    "10(+2) - гекто - h",  "10(+1) - дека - da",
    "10(-1) - деци - d",   "10(-2) - санти - c",   "10(-3) - милли - m",  "10(-6) - микро - mk",
    "10(-9) - нано - n",   "10(-12) - пико - p",   "10(-15) - фемто - f", "10(-18) - атто - a",
};

const char* const PrefixesEnglish[16] = {
    "10(+18) - exsa - E",  "10(+15) - peta - P",   "10(+12) - tera - T",  "10(+9) - giga - G",
    "10(+6) - mega - M",   "10(+3) - kilo - K",    "10(+2) - gekto - h",  "10(+1) - deka - da",
    "10(-1) - deci - d",   "10(-2) - santi - c",   "10(-3) - milli - m",  "10(-6) - micro - mk",
    "10(-9) - nano - n",   "10(-12) - pico - p",   "10(-15) - femto - f", "10(-18) - atto - a",
};

// Every letter Cyrillic; the Angstrom's "А" is the Cyrillic capital A. A year
// is 3.156·10(+7) s.
const char* const UnitsRussian[14] = {
    "1 год = 3.16·10(+7) с",
    "1 атм = 101.325 кПа",
    "1 атм = 760 мм рт.ст.",
    "1 бар = 100 кПа",
    "1 мм рт.ст. = 133.3 Па",
    "1 кал = 4.18 Дж",
    "1 А` = 10(-10) м",
    "1 а.е.м. = 1.66·10(-27) кг",
    "1 а.е.м. = 931.5 МэВ",
    "1 л·атм = 101.3 Дж",
    "1 эВ = 1.60219·10(-19) Дж",
    "1 ед. СГСЭ = 3.333·10(-10) Кл",
    "1 эрг = 10(-7) Дж",
    "1 дин = 10(-5) Н",
};

const char* const UnitsEnglish[16] = {
    "1 year = 3.16·10(+7) s",
    "1 atm = 101.325 kPa",
    "1 bar = 100 kPa",
    "1 mm m.cp. = 133.3 Pa",
    "1 cal = 4.18 J",
    "1 A` = 10(-10) m",
    "1 a.m.u. = 1.66·10(-27) kg",
    "1 l·atm = 101.3 J",
    "1 eV = 1.60219·10(-19) J",
    "1 un. SGSE = 3.333·10(-10) C",
    "1 erg = 10(-7) J",
    "1 din = 10(-5) N",
    "1 carat = 2·10(-4) kg",
    "1 X (iks) = 10(-13) m",
    "1 light year = 9.463·10(+12) km",
    "1 parsec = 3.08·10(+13) km",
};

}  // namespace data
