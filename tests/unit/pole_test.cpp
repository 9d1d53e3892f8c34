#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dialogue/dialogue.h"

namespace {

struct Pokaz {
  double x;
  const char* rod;
  const char* v;  // the prefix chosen; null: the one that reads best
  const char* s;  // the page's text with the unit
};

// Values as the page shows them: at each edge of a prefix and of the range
// the prefixes cover, where rounding to six digits carries into the next,
// over the float range, and in a prefix the user chose.
const Pokaz POKAZ[] = {
    {750263.6F, "hertz", nullptr, "750,264 кГц"},
    {672.30145, "ohm", nullptr, "672,301 Ом"},
    {516.945e-12, "farad", nullptr, "516,945 пФ"},
    {4.5e-6, "henry", nullptr, "4,5 мкГн"},
    {1, "ohm", nullptr, "1 Ом"},
    {999.99949, "hertz", nullptr, "999,999 Гц"},
    {999.99951, "hertz", nullptr, "1 кГц"},
    {1000, "hertz", nullptr, "1 кГц"},
    {0.9999996, "ohm", nullptr, "1 Ом"},
    {0.9999994, "ohm", nullptr, "999,999 мОм"},
    {100e-9, "henry", nullptr, "100 нГн"},
    {999.99949e12, "hertz", nullptr, "999,999 ТГц"},
    {999.99951e12, "hertz", nullptr, "1·10¹⁵ Гц"},
    {1e15, "hertz", nullptr, "1·10¹⁵ Гц"},
    {1e-18, "farad", nullptr, "1 аФ"},
    {0.9999996e-18, "farad", nullptr, "1 аФ"},
    {0.9999994e-18, "farad", nullptr, "9,99999·10⁻¹⁹ Ф"},
    {1.591549e-31, "farad", nullptr, "1,59155·10⁻³¹ Ф"},
    {std::numeric_limits<float>::max(), "hertz", nullptr, "3,40282·10³⁸ Гц"},
    {std::numeric_limits<float>::denorm_min(), "farad", nullptr,
     "1,4013·10⁻⁴⁵ Ф"},
    {0, "henry", nullptr, "ноль"},
    {std::numeric_limits<double>::infinity(), "hertz", nullptr,
     "бесконечность"},
    {std::numeric_limits<double>::quiet_NaN(), "ohm", nullptr, "не число"},
    {448.324e-12, "farad", "n", "0,448324 нФ"},
    {448.324e-12, "farad", "", "4,48324·10⁻¹⁰ Ф"},
    {1e-12, "farad", "u", "0,000001 мкФ"},
    {1e-13, "farad", "u", "1·10⁻⁷ мкФ"},
    {123456789, "hertz", "", "123457000 Гц"},
    {1234567890, "hertz", "", "1,23457·10⁹ Гц"},
    {5, "percent", nullptr, "5 %"},
    {0.5, "number", nullptr, "0,5"},
};

TEST(Inzhenerno, WritesAValueAsThePageShowsIt) {
  for (const Pokaz& c : POKAZ) {
    SCOPED_TRACE(testing::Message() << c.x << " " << c.rod << " in "
                                    << (c.v ? c.v : "the best prefix"));
    Tekst t;
    const Rod& rod = *NaitiRod(c.rod);
    const Napisano n =
        Inzhenerno(t, c.x, rod, c.v != nullptr ? NaitiPristavku(c.v) : nullptr);
    Tekst s;
    SEdinicei(s, {t.bytes.data(), t.n}, n, rod);
    EXPECT_EQ(std::string(s.bytes.data(), s.n), c.s);
  }
}

struct Chtenie {
  const char* tekst;
  const char* rod;
  const char* svoya;
  Prochteno itog;
  std::string vyshlo;  // the prefix, a NUL, the number; or what is wrong
};

std::string Chislo(const char* p, const char* n) {
  return std::string(p) + '\0' + n;
}

// What a field holds, typed or pasted: the number in the field's own unit,
// its own prefix and unit, the letter code of parts, the page's own copied
// text, spaces; and what it refuses.
const Chtenie CHTENIE[] = {
    {"455", "hertz", "K", Prochteno::VSvoei, Chislo("K", "455K")},
    {"4,7", "farad", "n", Prochteno::VSvoei, Chislo("n", "4.7n")},
    {" 10 ", "henry", "u", Prochteno::VSvoei, Chislo("u", "10u")},
    {"4,7\t", "henry", "u", Prochteno::VSvoei, Chislo("u", "4.7u")},
    {"1 000", "ohm", "", Prochteno::VSvoei, Chislo("", "1000")},
    {"12 345 678,5", "hertz", "", Prochteno::VSvoei, Chislo("", "12345678.5")},
    {"1\u00A0000", "ohm", "", Prochteno::VSvoei, Chislo("", "1000")},
    {"448,324 пФ", "farad", "n", Prochteno::Chislo, Chislo("p", "448.324p")},
    {"750,264 кГц", "hertz", "M", Prochteno::Chislo, Chislo("K", "750.264K")},
    {"4.5uH", "henry", "m", Prochteno::Chislo, Chislo("u", "4.5u")},
    {"4,5 µГн", "henry", "m", Prochteno::Chislo, Chislo("u", "4.5u")},
    {"4,5мк", "henry", "", Prochteno::Chislo, Chislo("u", "4.5u")},
    {"10 Ф", "farad", "n", Prochteno::Chislo, Chislo("", "10")},
    {"7,1 MHz", "hertz", "K", Prochteno::Chislo, Chislo("M", "7.1M")},
    {"2 мГн", "henry", "u", Prochteno::Chislo, Chislo("m", "2m")},
    {"47 kΩ", "ohm", "", Prochteno::Chislo, Chislo("K", "47K")},
    {"2,2 кОм", "ohm", "", Prochteno::Chislo, Chislo("K", "2.2K")},
    {"4n7", "farad", "u", Prochteno::Chislo, Chislo("n", "4.7n")},
    {"4k7", "ohm", "", Prochteno::Chislo, Chislo("K", "4.7K")},
    {"2R2", "ohm", "K", Prochteno::Chislo, Chislo("", "2.2")},
    {"R47", "ohm", "", Prochteno::Chislo, Chislo("", "0.47")},
    {"10u", "henry", "m", Prochteno::Chislo, Chislo("u", "10u")},
    {"4н7 Ф", "farad", "u", Prochteno::Chislo, Chislo("n", "4.7n")},
    {"1,5 ТГц", "hertz", "K", Prochteno::Chislo, Chislo("T", "1500G")},
    {"2", "hertz", "T", Prochteno::VSvoei, Chislo("T", "2000G")},
    {"4,7 фФ", "farad", "n", Prochteno::Chislo, Chislo("f", "0.0047p")},
    {"1,59155·10⁻³¹ Ф", "farad", "n", Prochteno::Chislo,
     Chislo("", "0.000000000000000000159155p")},
    {"3,40282·10³⁸ Гц", "hertz", "K", Prochteno::Chislo,
     Chislo("", "340282000000000000000000000000G")},
    {"0,00", "ohm", "", Prochteno::VSvoei, Chislo("", "0")},
    {"5 %", "percent", "", Prochteno::Chislo, Chislo("", "5")},
    {" 2,5% ", "percent", "", Prochteno::Chislo, Chislo("", "2.5")},
    {"0,", "percent", "", Prochteno::VSvoei, Chislo("", "0")},
    {"", "farad", "n", Prochteno::Pusto, Chislo("n", "")},
    {" \t", "hertz", "K", Prochteno::Pusto, Chislo("K", "")},
    {"10 пФ", "henry", "u", Prochteno::Oshibka,
     "«пФ» - единица ёмкости, а здесь индуктивность"},
    {"455kF", "hertz", "K", Prochteno::Oshibka,
     "«kF» - единица ёмкости, а здесь частота"},
    {"5 Гн", "percent", "", Prochteno::Oshibka,
     "«Гн» - единица индуктивности, а здесь процент"},
    {"1e-6", "henry", "u", Prochteno::Oshibka,
     "«e»: только цифры, одна запятая или точка, приставка и единица"},
    {"-3", "percent", "", Prochteno::Oshibka,
     "«-»: только цифры и одна запятая или точка"},
    {"5k", "percent", "", Prochteno::Oshibka,
     "«k»: только цифры и одна запятая или точка"},
    {"\u200B1", "henry", "u", Prochteno::Oshibka,
     "«\\u200B»: только цифры, одна запятая или точка, приставка и единица"},
    {"4,5.6", "henry", "u", Prochteno::Oshibka,
     "запятая или точка - только одна"},
    {"4n7n", "farad", "u", Prochteno::Oshibka,
     "«n»: только цифры, одна запятая или точка, приставка и единица"},
    {"пФ", "farad", "n", Prochteno::Oshibka, "нет цифр"},
    {"1 00", "ohm", "", Prochteno::Oshibka,
     "пробел в числе - только между тысячами: 1 000"},
    {"1000 000", "ohm", "", Prochteno::Oshibka,
     "пробел в числе - только между тысячами: 1 000"},
    {"0,000 1", "ohm", "", Prochteno::Oshibka,
     "пробел в числе - только между тысячами: 1 000"},
    {"5", "henry", "x", Prochteno::Oshibka,
     "«x»: такой единицы нет - выберите единицу из списка"},
    {"", "henry", "x", Prochteno::Oshibka,
     "«x»: такой единицы нет - выберите единицу из списка"},
    {"5 Гн", "henry", "x", Prochteno::Chislo, Chislo("", "5")},
    {"1·10¹⁰⁰⁰", "ohm", "", Prochteno::Oshibka,
     "слишком длинное число: программа читает строку до 80 знаков"},
    {"1000000000000000000000000000000000000000", "farad", "n",
     Prochteno::VSvoei,
     Chislo("n", "1000000000000000000000000000000000000000n")},
    {"7 мгц", "hertz", "K", Prochteno::Oshibka,
     "«мгц» - незнакомая единица: частота - в Гц или Hz (заглавные и "
     "строчные буквы различаются)"},
    {"7 Mhz", "hertz", "K", Prochteno::Oshibka,
     "«Mhz» - незнакомая единица: частота - в Гц или Hz (заглавные и "
     "строчные буквы различаются)"},
    {"10 uh", "henry", "u", Prochteno::Oshibka,
     "«uh» - незнакомая единица: индуктивность - в Гн или H (заглавные и "
     "строчные буквы различаются)"},
    {"100 пФ.", "farad", "n", Prochteno::Oshibka,
     "«.» после единицы - лишний знак"},
    {"", "henry", "µ", Prochteno::Pusto, Chislo("u", "")},
    {"4,5", "henry", "мк", Prochteno::VSvoei, Chislo("u", "4.5u")},
};

TEST(ChitatPole, ReadsAFieldAsAPersonFillsIt) {
  for (const Chtenie& c : CHTENIE) {
    SCOPED_TRACE(testing::Message() << "«" << c.tekst << "» in a field of "
                                    << c.rod << " in " << c.svoya);
    Tekst t;
    EXPECT_EQ(ChitatPole(c.tekst, *NaitiRod(c.rod), c.svoya, t), c.itog);
    EXPECT_EQ(std::string(t.bytes.data(), t.n), c.vyshlo);
  }
}

}  // namespace
