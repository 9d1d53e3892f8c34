// Every text the user sees, in one place. The build selects the encoding the
// literals are compiled to (UTF-8, or Windows-1251 for the Windows console), so
// nothing here may be built from escapes that assume one of them.
#pragma once

#include <array>
#include <cerrno>
#include <cstddef>
#include <string_view>

// Whether the literals are compiled to UTF-8 (two bytes for a Cyrillic letter).
constexpr bool UTF8 = std::string_view("ё").size() == 2;

// Characters as the terminal shows them: a UTF-8 continuation byte adds none.
constexpr std::size_t Shirina(std::string_view s) {
  std::size_t n = 0;
  for (char ch : s) {
    n += !UTF8 || (static_cast<unsigned char>(ch) & 0xC0U) != 0x80U ? 1 : 0;
  }
  return n;
}

// The prompt, the last line of the menu; the cursor stays after its two
// trailing spaces. The line editor draws it anew when it redraws the line.
constexpr std::string_view PROMPT = "Введите данные.  ";

// The menu, written whole before every prompt.
constexpr std::string_view MENU =
    "q - выход из программы , w - очистка экрана\n\n"
    "Символы обрабатываемые программой- qw0123456789.,GMKmunpLCFRlcfr\n"
    "G M K m u n p - коэффициенты гиго мего кило мили микро нано пико. \n"
    "\nl c f r либо L C F R - соответственно признак: \n"
    "индуктивности, ёмкости, частоты, реактивного сопротивления.\n\n"
    "Пример ввода 4.5 микрогенри - 4.5uL либо 4,5ul \n"
    "\n\nВведите данные.  ";
static_assert(MENU.ends_with(PROMPT));

constexpr std::string_view RULE = "------------------------------------\n";
static_assert(RULE.size() == 36 + 1);

constexpr std::string_view CAPTION = "  обработанная строка данных";

constexpr std::string_view INVALID =
    "Данные введены неверно\n"
    "Попробуйте ещё раз\n";

constexpr std::string_view PARSED =
    "\nF=%-10g C=%-10g L=%-10g R=%-10g  \n\nКомбинация введёных данных %d\n";

constexpr std::string_view HEADING = "\n\n           Вывод результатов\n\n";

constexpr std::string_view PLAIN = " F=%-10g   C=%-10g   L=%-10g   R=%-10g\n";

constexpr std::string_view UNDERLINE = "        ----------\n";

// One line of the scaled part per quantity, in the order they are printed.
constexpr std::array<std::string_view, 4> SCALED{
    "\n F=%-15g %s Герц  (частота)\n",
    "\n C=%-15g %s Фарад (ёмкость)\n",
    "\n L=%-15g %s Генри (индуктивность)\n",
    "\n R=%-15g %s Ом    (реактивное сопротивление)\n\n",
};
// The standard parts, after the scaled lines: the series, then for each
// neighbour of a computed part the part and the frequency the circuit has
// with it, scaled as above, and that frequency's deviation from the answer's.
constexpr std::string_view SERIES = "        ---------- ряд %s\n";
constexpr std::string_view PART_C = "\n C=%-15g %s Фарад %s\n";
constexpr std::string_view PART_L = "\n L=%-15g %s Генри %s\n";
constexpr std::string_view WITH_PART = " F=%-15g %s Герц  %+.2f %%\n";
// Under it, where the frequency may land with the part anywhere in its
// tolerance, both ends scaled to the prefix of that frequency; the tolerance
// as it was given.
constexpr std::string_view BAND = "   от %g до %g %s Герц  при ±%v %%\n";
// With both parts computed, the circuits of their standard neighbours:
// each with the F and R it gives and how far they lie from the answer's,
// F's in a column as wide as the widest the pairs can have (E3: +120,00 %)
// so that R stays in its own; then the band of the first with both parts
// anywhere in their tolerance.
constexpr std::string_view PAIRS = "        ---------- пары ряда %s\n\n";
constexpr std::string_view PAIR = " L=%-10g   C=%-10g   F=%-11g ";
constexpr std::string_view PAIR_DEVIATION = "%+.2f %%";
constexpr std::size_t PAIR_DEVIATION_WIDTH = 9;
constexpr std::string_view PAIR_R = " R=%-10g %+.2f %%\n";
constexpr std::string_view PAIR_BAND =
    "   от %g до %g %s Герц  при ±%v %% у обеих деталей\n";
// A part between two standard values, and one that is a standard value.
constexpr std::string_view BELOW = "ниже";
constexpr std::string_view ABOVE = "выше";
constexpr std::string_view IN_SERIES = "в ряду";

// The circuit as built, after the scaled lines: the stray capacitance and
// the circuit's capacitance, part and stray; where the stray alone exceeds
// what the circuit needs, by how much. Then the coil's losses: Q, the
// bandwidth with its edges at -3 dB scaled to the prefix of the answer's F,
// and the dynamic resistance; with an infinite Q, that in words.
constexpr std::string_view STRAY =
    " Cп=%-14g %s Фарад (паразитная ёмкость)\n\n";
constexpr std::string_view CIRCUIT_C =
    " Cк=%-14g %s Фарад (ёмкость контура: C и паразитная)\n\n";
constexpr std::string_view NO_PART =
    " Конденсатора нет: паразитная ёмкость больше ёмкости контура\n"
    "   на %g %s Фарад\n\n";
constexpr std::string_view QUALITY =
    " Q=%-15g                    (добротность)\n\n";
constexpr std::string_view BANDWIDTH =
    " П=%-15g %s Герц  (полоса пропускания F/Q)\n";
constexpr std::string_view EDGES =
    "   от %g до %g %s Герц  по уровню -3 дБ\n\n";
constexpr std::string_view DYNAMIC =
    " Rэ=%-14g %s Ом    (резонансное сопротивление Q·R)\n\n";
constexpr std::string_view LOSSLESS =
    " Добротность бесконечна: полосы пропускания нет,\n"
    " резонансное сопротивление бесконечно\n\n";

// A coil measured from two resonances: after the echo of each reading, the
// readings as the calculator took them, the inductance and the stray
// capacitance, that also as --stray takes it, to be pasted as it stands;
// a negative stray is no part to paste but a word on the readings. A
// negative value is scaled to the prefix of its magnitude.
constexpr std::string_view MEASURE_HEADING =
    "\n\n           Катушка по двум резонансам\n\n";
constexpr std::string_view READING = " C%d=%-10g   F%d=%-10g\n";
constexpr std::string_view MEASURED_L =
    "\n L=%-15g %s Генри (индуктивность катушки)\n\n";
constexpr std::string_view PASTE =
    " Для расчёта контура с этой катушкой: --stray=%s\n\n";
constexpr std::string_view NEGATIVE_STRAY =
    " Паразитная ёмкость меньше нуля: показания противоречат друг\n"
    " другу, проверьте их\n\n";
// Readings that give no coil, on standard error: the count of entries, an
// entry (of an input line, or an argument, by its number) that gives no C
// and F, readings of one frequency or of one capacitance.
constexpr std::string_view MEASURE_COUNT =
    "rezonans: для измерения катушки нужны ровно две записи, а дано: %d\n";
constexpr std::string_view MEASURE_ENTRY =
    "rezonans: %s %d не задаёт ёмкость C и частоту F больше нуля "
    "(100pC 7,1MF): «%s»\n";
constexpr std::string_view MEASURE_SAME_F =
    "rezonans: частоты двух показаний равны: катушку по ним не найти\n";
constexpr std::string_view MEASURE_SAME_C =
    "rezonans: ёмкости двух показаний равны: нужны два разных конденсатора\n";

// In every scaled line the unit's parenthesis (or what stands in its place)
// is the seventh character after the space that follows the label, so the
// units line up.
constexpr bool UnitAligned(std::string_view line) {
  const std::size_t unit = line.find("%s ") + 3;
  return Shirina(line.substr(unit, line.find_first_of("(%", unit) - unit)) == 6;
}
constexpr bool UnitsAligned() {
  for (std::string_view line : SCALED) {
    if (!UnitAligned(line)) {
      return false;
    }
  }
  return UnitAligned(PART_C) && UnitAligned(PART_L) && UnitAligned(WITH_PART) &&
         UnitAligned(STRAY) && UnitAligned(CIRCUIT_C) &&
         UnitAligned(BANDWIDTH) && UnitAligned(DYNAMIC) &&
         UnitAligned(MEASURED_L);
}
static_assert(UnitsAligned());

constexpr std::string_view CLOSING =
    "------------------------------------------------------------------------"
    "\n";
static_assert(CLOSING.size() == 72 + 1);

constexpr std::string_view PAUSE =
    "Для продолжения нажмите любую клавишу . . . ";

// Failures, on standard error, each followed by the system's reason.
constexpr std::string_view WRITE_FAILED =
    "rezonans: ошибка записи результатов: ";
constexpr std::string_view READ_FAILED = "rezonans: ошибка чтения: ";

// The reasons a read of the input or a write of the results meets, in the
// program's own words; any other comes from the C library, in the user's
// locale. A reader that went away is no failure and has no reason here.
struct Prichina {
  int error;
  std::string_view text;
};
constexpr std::array<Prichina, 11> PRICHINY{{
    {ENOENT, "нет такого файла или каталога"},
    {EISDIR, "это каталог, а не файл"},
    {EACCES, "доступ запрещён"},
    {EPERM, "действие не разрешено"},
    {ENOSPC, "на устройстве не осталось места"},
    {EIO, "ошибка ввода-вывода"},
    {EROFS, "файловая система только для чтения"},
    {EFBIG, "файл слишком велик"},
    {ENXIO, "устройство недоступно"},
    {EAGAIN, "ресурс временно недоступен"},
    {ECONNRESET, "соединение разорвано другой стороной"},
}};
static_assert(PRICHINY.back().error == ECONNRESET, "a reason is missing");

// Warnings on standard error where nobody reads the echo, each about a line
// of the input or an argument given as an entry, by its number.
constexpr std::array<std::string_view, 2> GDE{"строка", "запись"};
constexpr std::string_view DROPPED = "rezonans: %s %d: отброшено «%s»\n";
constexpr std::string_view PAST_80 =
    "rezonans: %s %d: сверх 80 символов отброшено «%s»\n";
constexpr std::string_view TAIL =
    "rezonans: %s %d: после последней буквы величины отброшено «%s»\n";
constexpr std::string_view W_AMONG =
    "rezonans: %s %d: w среди других символов - команда очистки экрана; "
    "отброшено «%s»\n";
constexpr std::string_view Q_AMONG =
    "rezonans: %s %d: q среди других символов завершило ввод, остальное не "
    "прочитано\n";
// More was dropped than is shown.
constexpr std::string_view MORE = "…";
// The quotes are those the platform's shell takes a word with spaces in.
constexpr std::string_view ONE_ARGUMENT =
    "rezonans: каждый аргумент - отдельная запись; запись с пробелами "
    "заключите в кавычки: rezonans " REZONANS_QUOTE "4,5ul 10nc" REZONANS_QUOTE
    "\n";

// The command line. The version is the one the build defines.
constexpr std::string_view USAGE =
    "Использование: rezonans [ПАРАМЕТР]... [ЗАПИСЬ]...\n"
    "Резонанс LC-контура: по двум величинам из L, C, F, R вычисляет\n"
    "две другие. Запись - числа с буквами величин: 4.5uL10nC - это 4,5 мкГн и\n"
    "10 нФ. Без записей программа ведёт диалог, с записями отвечает на "
    "каждую.\n"
    "\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -V, --version  показать версию и выйти\n"
    "  --format=ФОРМАТ\n"
    "                 text - отчёт (по умолчанию); csv или json - запись\n"
    "                 на строку для программ, без меню и пауз\n"
    "  --series=РЯД   ближайшие стандартные значения вычисленных L и C\n"
    "                 из ряда E3, E6, E12, E24, E48, E96 или E192, частота\n"
    "                 с каждым и полоса частот при допуске ряда\n"
    "  --tolerance=ПРОЦЕНТ\n"
    "                 допуск подобранных деталей (больше 0 и меньше 100)\n"
    "                 вместо допуска ряда; только с --series\n"
    // The circuit as built.
    "  --stray=ЁМКОСТЬ\n"
    "                 паразитная ёмкость катушки и монтажа (12p): C - это\n"
    "                 конденсатор, ёмкость контура - C и паразитная вместе\n"
    "  --quality=Q    добротность катушки: полоса пропускания F/Q, её края\n"
    "                 по уровню -3 дБ и резонансное сопротивление Q·R\n"
    "  --loss=ОМ      сопротивление потерь катушки вместо --quality:\n"
    "                 Q = R / ОМ; 0 - потерь нет\n"
    "  --measure      две записи C и F (100pC 7,1MF) - резонансы одной\n"
    "                 катушки с двумя конденсаторами: её L и паразитная\n"
    "                 ёмкость\n"
    "  --             всё дальнейшее - записи\n"
    "\n"
    "Контур на 7 МГц: катушка 10 мкГн, паразитная ёмкость 12 пФ, Q = 150\n"
    "  rezonans --stray=12p --quality=150 --series=E12 10uL7MF\n"
    "\n"
    "Руководство: " REZONANS_MANUAL "\n";
constexpr std::string_view VERSION =
    "rezonans " REZONANS_VERSION ", лицензия MIT\n";
// What was wrong with the command line, by its kind (parameter, format,
// series, missing value, tolerance, tolerance that rounds to 100, tolerance
// without a series, stray capacitance; Q, loss resistance, both of them,
// an option a measurement of the coil does not take); the words it was
// wrong in stand between the two halves.
constexpr std::array<std::string_view, 12> OSHIBKI{
    "rezonans: неизвестный параметр «",
    "rezonans: неизвестный формат «",
    "rezonans: неизвестный ряд «",
    "rezonans: нет значения у параметра «",
    "rezonans: допуск - процент больше 0 и меньше 100, а не «",
    "rezonans: допуск округляется до 100, а нужно меньше 100: «",
    "rezonans: допуск без ряда (--series) «",
    "rezonans: паразитная ёмкость (--stray) - число с приставкой, 0 или "
    "больше (12p, 12,5p), а не «",
    // The coil's losses and its measurement.
    "rezonans: добротность (--quality) - число больше 0 (50, 120,5), а не «",
    "rezonans: сопротивление потерь (--loss) - число ом с приставкой, 0 или "
    "больше (2,5, 500m), а не «",
    "rezonans: задают либо добротность (--quality), либо сопротивление "
    "потерь (--loss), а не обе: «",
    "rezonans: измерение катушки (--measure) само находит паразитную "
    "ёмкость и не сочетается с «",
};
constexpr std::string_view SEE_HELP = "»; справка: rezonans --help\n";
// A NUL in a word the page gives, as a terminal shows it: a command line
// holds none.
constexpr std::string_view NUL_ZNAK = "^@";

// The fields of a record for programs, after `entry` and `code`: the
// quantities in henry, farad, hertz and ohm, then, with a series, the
// standard parts next to a computed L and C and the frequency each gives,
// the closest circuit of two standard parts, the bands of those
// frequencies and the tolerance in percent that gives them.
// Programs read them by these names.
constexpr std::string_view ENTRY = "entry";
constexpr std::string_view CODE = "code";
constexpr std::array<std::string_view, 27> POLYA{
    // The quantity set.
    "L",
    "C",
    "F",
    "R",
    // The standard parts and the frequency each gives.
    "L_below",
    "L_above",
    "F_L_below",
    "F_L_above",
    "C_below",
    "C_above",
    "F_C_below",
    "F_C_above",
    // The closest circuit of two standard parts.
    "L_pair",
    "C_pair",
    "F_pair",
    "R_pair",
    // The bands of those frequencies, and the tolerance that gives them.
    "F_L_below_min",
    "F_L_below_max",
    "F_L_above_min",
    "F_L_above_max",
    "F_C_below_min",
    "F_C_below_max",
    "F_C_above_min",
    "F_C_above_max",
    "F_pair_min",
    "F_pair_max",
    "tolerance",
};
// The fields of the quantity set, before those of the standard parts.
constexpr std::size_t NABOR = 4;
static_assert(POLYA[NABOR - 1] == "R" && POLYA[NABOR] == "L_below");
// The tolerance comes last, a double where the other fields are floats.
static_assert(POLYA.back() == "tolerance");

// The fields of the circuit as built, after all the others: with a stray
// capacitance, the stray and the circuit's capacitance (part and stray);
// with the coil's losses, its Q, the bandwidth, its edges at -3 dB and the
// dynamic resistance.
constexpr std::array<std::string_view, 2> POLYA_PARAZITA{"stray", "C_circuit"};
constexpr std::array<std::string_view, 5> POLYA_POTER{
    "Q", "bandwidth", "F_minus3dB", "F_plus3dB", "R_dynamic"};
// The record of a coil measured from two resonances: the two entries as
// kept, the inductance and the stray capacitance across it.
constexpr std::array<std::string_view, 4> POLYA_IZMERENIYA{"entry1", "entry2",
                                                           "L", "stray"};

// The prefix labels, by the index the display scaling returns.
constexpr std::array<std::string_view, 17> mnoj{
    "(^ +9) Гига ", "(^ +6) Мега ", "(^ +3) Кило ", "(^ +1)      ",
    "(^ -3) Милли", "(^ -6) Микро", "(^ -9) Нано ", "(^-12) Пико ",
    "(^-15) Фемто", "(^-18) Атто ", "(^-21) Зепто", "(^-24) Иокто",
    "(^+12) Тера ", "(^+15) Пета ", "(^+18) Экса ", "(^+21) Зетта",
    "(^+24) Иотта",
};

constexpr bool LabelsAligned() {
  for (std::string_view label : mnoj) {
    if (Shirina(label) != 12) {
      return false;
    }
  }
  return true;
}
static_assert(LabelsAligned(), "each label is exactly 12 characters wide");

// The page in a browser: its own words, each by the place it stands in (the
// page's elements that carry that data-nadpis).
struct Nadpis {
  std::string_view mesto;
  std::string_view tekst;
};
constexpr std::array<Nadpis, 57> NADPISI{{
    {"title", "Резонанс LC-контура"},
    {"entry", "Данные"},
    {"keys",
     "Enter - ответ; стрелки вверх и вниз - прежние данные; w - очистка"},
    {"series", "Стандартные номиналы"},
    {"none", "нет"},
    {"clear", "Очистить"},
    {"save", "Сохранить CSV"},
    {"mixed",
     "Ответы даны с разными рядами: в CSV номиналы каждой строки - из ряда, "
     "с которым она была дана; у строк без ряда эти поля пусты"},
    {"answers", "Ответы"},
    // The calculator: its tab and the console's, the four fields, each with
    // its unit, and what a field may say.
    {"calculator", "Калькулятор"},
    {"console", "Консоль"},
    {"intro", "Заполните две любые величины - две другие вычисляются сразу."},
    {"L", "Индуктивность L"},
    {"C", "Ёмкость C"},
    {"F", "Частота F"},
    {"R", "Реактивное сопротивление R"},
    {"L-unit", "Гн"},
    {"C-unit", "Ф"},
    {"F-unit", "Гц"},
    {"R-unit", "Ом"},
    {"unit", "единица"},
    {"computed", "вычислено"},
    {"copy", "Копировать"},
    {"copied", "Скопировано"},
    {"bad-char", "только цифры и одна запятая или точка"},
    {"two-points", "запятая или точка - только одна"},
    {"no-digits", "нет цифр"},
    {"too-long", "слишком длинное число: программа читает строку до 80 знаков"},
    {"bad-prefix", "этой приставки программа не читает: выберите от Г до п"},
    {"zero", "ноль: данные дают ноль или число меньше наименьшего у программы"},
    {"inf",
     "бесконечность: деление на ноль или число больше наибольшего у "
     "программы"},
    {"nan", "не число: ноль встретился с бесконечностью"},
    // What the calculator has computed, said politely.
    {"enter-two", "Заполните две любые величины."},
    {"enter-one", "Заполните ещё одну величину."},
    {"fix", "Ничего не вычислено: исправьте отмеченное поле."},
    {"result", "Вычислено:"},
    // The standard parts, their pairs, and the link to the answer.
    {"tolerance", "Допуск, %"},
    {"bad-tolerance", "процент больше 0 и меньше 100"},
    {"tolerance-100", "меньше 100, но в вычислениях равен 100: нужно меньше"},
    {"link", "Копировать ссылку"},
    {"link-copied", "Ссылка скопирована"},
    {"parts", "Стандартные детали"},
    {"pairs", "Пары стандартных деталей"},
    {"number", "№"},
    {"part", "Деталь"},
    {"value", "Номинал"},
    {"deviation", "откл."},
    {"band", "Полоса в допуске"},
    {"pair-band", "Первая пара, обе детали в допуске"},
    {"both-given", "L и C заданы: номиналы подбираются для вычисленных."},
    // The picture.
    {"chart",
     "Реактивное сопротивление катушки X_L и конденсатора X_C в зависимости "
     "от частоты, оси логарифмические"},
    {"chart-cross", "линии пересекаются при"},
    {"chart-bands", "полосы частот в допуске"},
    {"chart-none", "Графика нет:"},
    {"chart-range", "значения за пределами чисел программы"},
    {"xl", "X_L катушки"},
    {"xc", "X_C конденсатора"},
}};
static_assert(NADPISI.back().mesto == "xc", "a place is missing");

// The prefixes of the page's lists, from the largest down: the letter the
// reader takes for it (past giga and pico, where it takes none, that of the
// international system, for showing only), its short name, and the index of
// its label in the report.
struct Pristavka {
  std::string_view bukva;
  std::string_view imya;
  int raz;
  bool chitaetsya;
};
constexpr std::array<Pristavka, 16> PRISTAVKI{{
    {"Z", "З", 15, false},
    {"E", "Э", 14, false},
    {"P", "П", 13, false},
    {"T", "Т", 12, false},
    {"G", "Г", 0, true},
    {"M", "М", 1, true},
    {"K", "к", 2, true},
    {"", "", 3, true},
    {"m", "м", 4, true},
    {"u", "мк", 5, true},
    {"n", "н", 6, true},
    {"p", "п", 7, true},
    {"f", "ф", 8, false},
    {"a", "а", 9, false},
    {"z", "з", 10, false},
    {"y", "и", 11, false},
}};
// Every label the display scaling returns has its prefix, once.
constexpr bool KazhdayaPristavka() {
  for (int raz = 0; raz < static_cast<int>(PRISTAVKI.size()); ++raz) {
    int n = 0;
    for (const Pristavka& p : PRISTAVKI) {
      n += p.raz == raz ? 1 : 0;
    }
    if (n != 1) {
      return false;
    }
  }
  return true;
}
static_assert(KazhdayaPristavka());
