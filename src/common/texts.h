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
// and F; readings of one frequency or of one capacitance, in words the page
// shows as they stand.
constexpr std::string_view MEASURE_COUNT =
    "rezonans: для измерения катушки нужны ровно две записи, а дано: %d\n";
constexpr std::string_view MEASURE_ENTRY =
    "rezonans: %s %d не задаёт ёмкость C и частоту F больше нуля "
    "(100pC 7,1MF): «%s»\n";
constexpr std::string_view MEASURE_FAILED = "rezonans: %s\n";
constexpr std::string_view MEASURE_SAME_F =
    "частоты двух показаний равны: катушку по ним не найти";
constexpr std::string_view MEASURE_SAME_C =
    "ёмкости двух показаний равны: нужны два разных конденсатора";

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
    "          или: rezonans --band=ОТ-ДО --variable=ОТ-ДО [ПАРАМЕТР]...\n"
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
    // The tuning range.
    "  --band=ОТ-ДО --variable=ОТ-ДО\n"
    "                 катушка, подстроечный и сопрягающий конденсаторы, с\n"
    "                 которыми переменный конденсатор (10p-365p) вместе с\n"
    "                 паразитной ёмкостью --stray перекрывает полосу частот\n"
    "                 (530K-1,7M): пределы каждого, расчёт и шкала; с\n"
    "                 --series стандартные номиналы; записи не принимаются\n"
    "  --coil=L, --trimmer=C, --padder=C\n"
    "                 с --band одна из деталей задана, две другие\n"
    "                 вычисляются\n"
    "  --             всё дальнейшее - записи\n"
    "\n"
    "Контур на 7 МГц: катушка 10 мкГн, паразитная ёмкость 12 пФ, Q = 150\n"
    "  rezonans --stray=12p --quality=150 --series=E12 10uL7MF\n"
    "Диапазон 530 кГц - 1,7 МГц с переменным 10-365 пФ:\n"
    "  rezonans --band=530K-1,7M --variable=10p-365p --stray=15p\n"
    "\n"
    "Руководство: " REZONANS_MANUAL "\n";
constexpr std::string_view VERSION =
    "rezonans " REZONANS_VERSION ", лицензия MIT\n";
// What was wrong with the command line, by its kind (parameter, format,
// series, missing value, tolerance, tolerance that rounds to 100, tolerance
// without a series, stray capacitance; then those of the tuning range; then
// Q, loss resistance, both of them, an option a measurement of the coil does
// not take; last an option the tuning range does not take, in the order of
// Oshibka); the words it was wrong in stand between the two halves.
constexpr std::array<std::string_view, 23> OSHIBKI{
    "rezonans: неизвестный параметр «",
    "rezonans: неизвестный формат «",
    "rezonans: неизвестный ряд «",
    "rezonans: нет значения у параметра «",
    "rezonans: допуск - процент больше 0 и меньше 100, а не «",
    "rezonans: допуск округляется до 100, а нужно меньше 100: «",
    "rezonans: допуск без ряда (--series) «",
    "rezonans: паразитная ёмкость (--stray) - число с приставкой, 0 или "
    "больше (12p, 12,5p), а не «",
    // The tuning range.
    "rezonans: полоса (--band) - две разные частоты больше 0 через дефис "
    "(530K-1,7M), а не «",
    "rezonans: переменный конденсатор (--variable) - две разные ёмкости "
    "больше 0 через дефис (10p-365p), а не «",
    "rezonans: катушка (--coil) - индуктивность с приставкой (250u), а не «",
    "rezonans: подстроечный конденсатор (--trimmer) - ёмкость с приставкой, "
    "0 или больше (10p), а не «",
    "rezonans: сопрягающий конденсатор (--padder) - ёмкость с приставкой "
    "(470p), а не «",
    "rezonans: задаётся одна деталь из --coil, --trimmer и --padder, а не "
    "ещё и «",
    "rezonans: --band и --variable задаются вместе, а здесь только «",
    "rezonans: --coil, --trimmer и --padder - только с --band и --variable: "
    "«",
    "rezonans: с --band и --variable записи не принимаются: «",
    "rezonans: с --band и --variable допуска нет: «",
    // The coil's losses and its measurement.
    "rezonans: добротность (--quality) - число больше 0 (50, 120,5), а не «",
    "rezonans: сопротивление потерь (--loss) - число ом с приставкой, 0 или "
    "больше (2,5, 500m), а не «",
    "rezonans: задают либо добротность (--quality), либо сопротивление "
    "потерь (--loss), а не обе: «",
    "rezonans: измерение катушки (--measure) находит только её L и "
    "паразитную ёмкость и не сочетается с «",
    "rezonans: с --band и --variable не сочетается «",
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

// The tuning range: what was asked, the range of each part, the design and
// the band it tunes back, the dial, and with a series the circuits of
// standard parts. The ends of a band are scaled to the prefix of its top,
// those of a range to that of its larger end.
constexpr std::string_view DIAPAZON = "\n           Перекрытие диапазона\n\n";
constexpr std::string_view ZAD_POLOSA = " Полоса       от %g до %g %s Герц\n";
constexpr std::string_view ZAD_PEREMENNYI =
    " Переменный   от %g до %g %s Фарад\n";
constexpr std::string_view ZAD_PARAZIT = " Паразитная   %g %s Фарад\n";
// The part chosen: the coil, the trimmer, the padder.
constexpr std::array<std::string_view, 3> ZAD_VYBOR{
    " Катушка      %g %s Генри (задана)\n",
    " Подстроечный %g %s Фарад (задан)\n",
    " Сопрягающий  %g %s Фарад (задан)\n",
};
constexpr std::string_view PREDELY = "\n        ---------- пределы\n";
constexpr std::string_view PREDEL_L = " Катушка      от %g до %g %s Генри\n";
constexpr std::string_view PREDEL_TRIMMER =
    " Подстроечный от 0 до %g %s Фарад\n";
constexpr std::string_view PREDEL_PADDER =
    " Сопрягающий  от %g %s Фарад и больше или без него\n";
constexpr std::string_view PADDER_NE_NUZHEN = " Сопрягающий  не нужен\n";
constexpr std::string_view RASCHET = "\n        ---------- расчёт\n";
constexpr std::string_view PROEKT_L = " L=%-15g %s Генри (катушка)\n";
constexpr std::string_view PROEKT_TRIMMER =
    " Ct=%-14g %s Фарад (подстроечный, параллельно)\n";
constexpr std::string_view PROEKT_PADDER =
    " Cp=%-14g %s Фарад (сопрягающий, последовательно)\n";
constexpr std::string_view BEZ_PADDERA = " Cp нет: без сопрягающего\n";
constexpr std::string_view NASTROIKA = " Настройка от %g до %g %s Герц\n";
// The frequency at each tenth of the variable's travel, all scaled to the
// prefix of the highest; the percent right-aligned in three places.
constexpr std::string_view SHKALA =
    "\n        ---------- шкала: частота по ходу переменного\n";
constexpr std::string_view DELENIE = "%d %%  F=%-15g %s Герц\n";
// The circuits of standard parts: the coil, the padder, the trimmer that
// tunes f_min (or none, where even none leaves the low end below it), and
// the band it then tunes, whether it covers the band asked.
constexpr std::string_view STANDARTY = "\n        ---------- ряд %s\n";
constexpr std::string_view STANDART_L = "\n L=%-15g %s Генри\n";
constexpr std::string_view STANDART_PADDER = " Cp=%-14g %s Фарад\n";
constexpr std::string_view STANDART_TRIMMER = " Ct=%-14g %s Фарад\n";
constexpr std::string_view STANDART_BEZ_TRIMMERA =
    " Ct не нужен: и без него нижний край ниже полосы\n";
constexpr std::string_view STANDART_POLOSA = "   от %g до %g %s Герц  %s\n";
constexpr std::string_view PEREKRYVAET = "перекрывает";
constexpr std::string_view NE_PEREKRYVAET = "не перекрывает";
// A design that cannot be made: the words after PROVAL in the report, after
// PROVAL_OSHIBKA on standard error (CSV and JSON); the band the variable
// with the strays covers, or the range of the part chosen, by its kind.
constexpr std::string_view PROVAL = " Расчёт невозможен: ";
constexpr std::string_view PROVAL_OSHIBKA = "rezonans: расчёт невозможен: ";
constexpr std::string_view NEVOZMOZHNO =
    "переменный с паразитной ёмкостью\n перекрывает только от %g до %g %s "
    "Герц\n";
constexpr std::array<std::string_view, 3> VNE_PREDELOV{
    "катушка вне пределов, от %g до %g %s Генри\n",
    "подстроечный вне пределов, от 0 до %g %s Фарад\n",
    "сопрягающий вне пределов, от %g %s Фарад и больше\n",
};
constexpr std::string_view PADDER_LISHNII =
    "сопрягающий не нужен: полосу перекрывает переменный без него\n";

// The tuning range on the page: the range of each part and why there is
// no design, with each value as the page writes it (the reasons as the
// report's); the words why the command line refuses a value a field gave:
// the ends of the band, of the variable, a number too long for it.
constexpr std::string_view POKAZ_OT_DO = "от %s до %s";
constexpr std::string_view POKAZ_TRIMMER = "от 0 до %s";
constexpr std::string_view POKAZ_PADDER = "от %s и больше или без него";
constexpr std::string_view POKAZ_NE_NUZHEN = "не нужен";
constexpr std::string_view POKAZ_NEVOZMOZHNO =
    "переменный с паразитной ёмкостью перекрывает только от %s до %s";
constexpr std::array<std::string_view, 3> POKAZ_VNE_PREDELOV{
    "катушка вне пределов, от %s до %s",
    "подстроечный вне пределов, от 0 до %s",
    "сопрягающий вне пределов, от %s и больше",
};
constexpr std::string_view OTKAZ_POLOSY =
    "концы полосы - две разные частоты больше 0";
constexpr std::string_view OTKAZ_PEREMENNOGO =
    "концы переменного - две разные ёмкости больше 0";
constexpr std::string_view OTKAZ_CHISLA = "слишком длинное число для программы";

// The fields of a record of the tuning range for programs: the kind of
// record (the design, or a circuit of standard parts), the band and the
// variable asked, the strays, the circuit's parts, the band it tunes, and
// the range of each part; JSON adds the dial, [percent, F] at each tenth.
constexpr std::array<std::string_view, 15> POLYA_DIAPAZONA{
    "kind",   "F_min", "F_max",   "C_var_min",   "C_var_max",
    "stray",  "L",     "trimmer", "padder",      "F_low",
    "F_high", "L_min", "L_max",   "trimmer_max", "padder_min",
};
static_assert(POLYA_DIAPAZONA.back() == "padder_min", "a field is missing");
constexpr std::array<std::string_view, 2> VIDY{"design", "standard"};
constexpr std::string_view DIAL = "dial";
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

// A coil measured in the page: a reading that gives no C and F (by its
// number), and a negative stray, flagged.
constexpr std::string_view POKAZANIE =
    "показание %d: частота - больше 0, ёмкость и частота - в пределах чисел "
    "программы";
constexpr std::string_view MINUS_PARAZIT =
    "паразитная ёмкость меньше нуля: показания противоречат друг другу, "
    "проверьте их";

// A number longer than the program's line, in a field of the page.
constexpr std::string_view DLINNOE =
    "слишком длинное число: программа читает строку до 80 знаков";

// The page in a browser: its own words, each by the place it stands in (the
// page's elements that carry that data-nadpis).
struct Nadpis {
  std::string_view mesto;
  std::string_view tekst;
};
constexpr std::array<Nadpis, 104> NADPISI{{
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
    {"unit", "единица"},
    {"computed", "вычислено"},
    {"pin", "Закрепить"},
    {"pinned-two",
     "два других поля закреплены, это вычисляется: чтобы задать его, "
     "открепите одно из них"},
    {"bad-view", "такой вкладки нет: открыт калькулятор"},
    {"copy", "Копировать"},
    {"copied", "Скопировано"},
    {"too-long", DLINNOE},
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
    {"series-grade", "пока взят допуск ряда"},
    {"bad-series", "такого ряда нет: выберите ряд из списка"},
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
    // The circuit as built: the stray and the Q beside the four fields, what
    // they give, and the coil measured from two resonances, whose stray the
    // calculator takes with a button.
    {"stray", "Паразитная ёмкость Cп"},
    {"quality", "Добротность катушки Q"},
    {"as-built",
     "C - конденсатор, ёмкость контура - C и паразитная вместе; с "
     "добротностью - полоса пропускания."},
    {"bad-stray",
     "слишком длинное число: паразитную ёмкость программа читает до 64 "
     "знаков"},
    {"bad-quality", "добротность - число больше 0, не длиннее 64 знаков"},
    {"no-part", "конденсатора нет: паразитная ёмкость больше ёмкости контура"},
    {"circuit", "Контур с паразитной ёмкостью и потерями"},
    {"circuit-C", "Ёмкость контура Cк, C и паразитная"},
    {"circuit-excess", "Паразитная ёмкость больше ёмкости контура на"},
    {"circuit-Q", "Добротность Q"},
    {"circuit-bandwidth", "Полоса пропускания F/Q"},
    {"circuit-edges", "Края полосы по уровню -3 дБ"},
    {"circuit-R", "Резонансное сопротивление Q·R"},
    {"chart-3db", "-3 дБ"},
    {"xc-circuit", "X_C ёмкости контура"},
    {"measure", "Катушка по двум резонансам"},
    {"measure-intro",
     "Резонансы катушки с двумя известными конденсаторами (ГИР, анализатор) "
     "дают её индуктивность и паразитную ёмкость."},
    {"measure-C1", "Конденсатор C1"},
    {"measure-F1", "Частота F1"},
    {"measure-C2", "Конденсатор C2"},
    {"measure-F2", "Частота F2"},
    {"measure-L", "Индуктивность катушки L"},
    {"measure-use", "Взять Cп в расчёт"},
    {"measure-enter", "Заполните четыре поля: два показания."},
    // The picture; `_` puts the letter after it below the line.
    {"chart",
     "Реактивное сопротивление катушки X_L и конденсатора X_C в зависимости "
     "от частоты, оси логарифмические"},
    {"chart-cross", "линии пересекаются при"},
    {"chart-bands", "полосы частот в допуске"},
    {"chart-none", "Графика нет:"},
    {"chart-range", "значения за пределами чисел программы"},
    {"xl", "X_L катушки"},
    {"xc", "X_C конденсатора"},
    // The tuning range: its tab, its fields, the part chosen, its tables,
    // what it has computed and its dial.
    {"range", "Диапазон"},
    {"range-intro",
     "Параллельно катушке - паразитная ёмкость, подстроечный конденсатор и "
     "переменный, соединённый последовательно с сопрягающим. Расчёт даёт "
     "катушку и конденсаторы, с которыми переменный перекрывает полосу. "
     "Концы - в любом порядке."},
    {"band-from", "Полоса от"},
    {"band-to", "Полоса до"},
    {"variable-min", "Переменный от"},
    {"variable-max", "Переменный до"},
    {"range-stray", "Паразитная ёмкость"},
    {"fixed", "Задана деталь"},
    {"fixed-none", "никакая (без сопрягающего)"},
    {"bad-fixed", "такой детали нет: выберите деталь из списка"},
    {"coil", "Катушка L"},
    {"trimmer", "Подстроечный Ct"},
    {"padder", "Сопрягающий Cp"},
    {"fixed-value", "Значение заданной детали"},
    {"limits", "Пределы"},
    {"design", "Расчёт"},
    {"tuned", "Настройка"},
    {"covering", "Перекрытие"},
    {"covers", PEREKRYVAET},
    {"short", NE_PEREKRYVAET},
    {"no-padder", "нет"},
    {"no-trimmer", "не нужен: и без него нижний край ниже полосы"},
    {"range-enter", "Заполните полосу и переменный конденсатор."},
    {"dial", "Шкала: частота по ходу переменного конденсатора, от 0 до 100 %"},
    {"dial-band", "края полосы отмечены:"},
    {"dial-none", "Шкалы нет:"},
}};
static_assert(NADPISI.back().mesto == "dial-none", "a place is missing");

// The page's fields and their units. Texts that hold characters the Windows
// console's encoding lacks are UTF-8 literals: the page is UTF-8 whatever
// the build, and only the page reads and writes them. The tables are one
// for the whole program (inline), so that a unit or a prefix is known by
// its address.

// A UTF-8 text of the page's as its bytes.
inline std::string_view Bayty(std::u8string_view s) {
  return {reinterpret_cast<const char*>(s.data()), s.size()};
}

// The prefixes of the page's lists, from the largest down, each a thousand
// apart: the letter the lists and links use (the reader's own where it has
// one), the short name shown before a unit, the power of ten, whether the
// program's reader takes the letter, and how a field may write it.
struct Pristavka {
  std::string_view bukva;
  std::string_view imya;
  int stepen;
  bool chitaetsya;
  std::array<std::u8string_view, 4> napisaniya;
};
inline constexpr std::array<Pristavka, 11> PRISTAVKI{{
    {"T", "Т", 12, false, {u8"Т", u8"T"}},
    {"G", "Г", 9, true, {u8"Г", u8"G"}},
    {"M", "М", 6, true, {u8"М", u8"M"}},
    {"K", "к", 3, true, {u8"к", u8"k", u8"K", u8"К"}},
    {"", "", 0, true, {}},
    {"m", "м", -3, true, {u8"м", u8"m"}},
    {"u", "мк", -6, true, {u8"мк", u8"u", u8"µ", u8"μ"}},
    {"n", "н", -9, true, {u8"н", u8"n"}},
    {"p", "п", -12, true, {u8"п", u8"p"}},
    {"f", "ф", -15, false, {u8"ф", u8"f"}},
    {"a", "а", -18, false, {u8"а", u8"a"}},
}};
constexpr bool PoTysyache() {
  for (std::size_t i = 0; i < PRISTAVKI.size(); ++i) {
    if (PRISTAVKI[i].stepen != 12 - 3 * static_cast<int>(i)) {
      return false;
    }
  }
  return true;
}
static_assert(PoTysyache(), "the prefixes run a thousand apart from tera");

// What a field of the page may hold, by the name the page gives it: the
// unit as shown, how a field may write it, what such a field holds and
// whose unit it is (for a unit of another quantity), and whether it takes
// the prefixes.
struct Rod {
  std::string_view imya;
  std::string_view edinica;
  std::array<std::u8string_view, 3> napisaniya;
  std::string_view chto;
  std::string_view chya;
  bool pristavki;
};
inline constexpr std::array<Rod, 6> RODY{{
    {"henry", "Гн", {u8"Гн", u8"H"}, "индуктивность", "индуктивности", true},
    {"farad", "Ф", {u8"Ф", u8"F"}, "ёмкость", "ёмкости", true},
    {"hertz", "Гц", {u8"Гц", u8"Hz"}, "частота", "частоты", true},
    {"ohm",
     "Ом",
     {u8"Ом", u8"\u03A9", u8"\u2126"},
     "сопротивление",
     "сопротивления",
     true},
    {"percent", "%", {u8"%"}, "процент", "процента", false},
    {"number", "", {}, "число без единицы", "", false},
}};
static_assert(RODY.back().imya == "number", "a quantity is missing");

// What separates a number from its unit and the thousands of a number
// (1 000): the spaces a field may get, typed or pasted.
constexpr std::array<std::u8string_view, 4> RAZDELITELI{u8" ", u8"\u00A0",
                                                        u8"\u202F", u8"\u2009"};
// What a field's text may have around it besides them.
constexpr std::array<std::u8string_view, 3> PROBELY{u8"\t", u8"\r", u8"\n"};

// A value the page shows: six significant digits, as the report's; in a
// prefix with 1 to 999 before the comma, or past tera and atto as a power
// of ten with the unit alone (1,59155·10⁻³¹ Ф); zero, infinite and
// undefined as words.
constexpr std::u8string_view STEPEN = u8"·10";
constexpr std::array<std::u8string_view, 10> VERHNIE{
    u8"⁰", u8"¹", u8"²", u8"³", u8"⁴", u8"⁵", u8"⁶", u8"⁷", u8"⁸", u8"⁹"};
constexpr std::u8string_view MINUS_VVERHU = u8"⁻";
constexpr std::string_view NOL = "ноль";
constexpr std::string_view BESKONECHNOST = "бесконечность";
constexpr std::string_view NE_CHISLO = "не число";
// Between the ends of a band.
constexpr std::string_view DO = " – ";

// What is wrong with a field's text: a character it cannot hold (in a
// field with prefixes, and in one without), two decimal points, no digits,
// a space that does not part thousands, a unit of another quantity (the
// prefix and unit, whose unit it is, what the field holds), a unit the
// lists do not have (from a link).
constexpr std::string_view CHUZHOI_ZNAK =
    "«%s»: только цифры, одна запятая или точка, приставка и единица";
constexpr std::string_view CHUZHOI_ZNAK_CHISLA =
    "«%s»: только цифры и одна запятая или точка";
constexpr std::string_view DVE_TOCHKI = "запятая или точка - только одна";
constexpr std::string_view NET_CIFR = "нет цифр";
constexpr std::string_view PROBEL =
    "пробел в числе - только между тысячами: 1 000";
constexpr std::string_view CHUZHAYA_EDINICA = "«%s» - единица %s, а здесь %s";
// Letters after a number that are no unit (the letters, what the field
// holds, its unit in both spellings), and a character after a unit.
constexpr std::string_view NEZNAKOMAYA_EDINICA =
    "«%s» - незнакомая единица: %s - в %s или %s (заглавные и строчные "
    "буквы различаются)";
constexpr std::string_view ZNAK_POSLE_EDINICY =
    "«%s» после единицы - лишний знак";
constexpr std::string_view NET_EDINICY =
    "«%s»: такой единицы нет - выберите единицу из списка";
