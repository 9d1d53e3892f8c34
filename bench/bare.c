/* The yardstick of the batch benchmark: the calculator's job done by a plain
 * C stdio program, printf's %g and all, writing the same bytes in a pipe.
 * Usage: bare < ENTRIES */
#include <math.h>
#include <stdio.h>
#include <string.h>

static const char MENU[] =
    "q - выход из программы , w - очистка экрана\n\n"
    "Символы обрабатываемые программой- qw0123456789.,GMKmunpLCFRlcfr\n"
    "G M K m u n p - коэффициенты гиго мего кило мили микро нано пико. \n"
    "\nl c f r либо L C F R - соответственно признак: \n"
    "индуктивности, ёмкости, частоты, реактивного сопротивления.\n\n"
    "Пример ввода 4.5 микрогенри - 4.5uL либо 4,5ul \n"
    "\n\nВведите данные.  ";
static const char *const LABELS[] = {
    "(^ +9) Гига ", "(^ +6) Мега ", "(^ +3) Кило ", "(^ +1)      ",
    "(^ -3) Милли", "(^ -6) Микро", "(^ -9) Нано ", "(^-12) Пико ",
    "(^-15) Фемто", "(^-18) Атто ", "(^-21) Зепто", "(^-24) Иокто",
    "(^+12) Тера ", "(^+15) Пета ", "(^+18) Экса ", "(^+21) Зетта"};
static const char *const UNITS[] = {
    "Герц  (частота)\n", "Фарад (ёмкость)\n", "Генри (индуктивность)\n",
    "Ом    (реактивное сопротивление)\n\n"};

/* %g with the decimal comma. */
static const char *g(double x, char *buf) {
  char *p;
  snprintf(buf, 32, "%g", x);
  if ((p = strchr(buf, '.')) != NULL) *p = ',';
  return buf;
}

/* 0 a line, 100 w, 101 q or end of input. */
static int line(char *s) {
  int j = 0, c, typed = 0;
  while ((c = getchar()) != '\n' && !(c == EOF && typed)) {
    if (c == EOF) return 101;
    typed = 1;
    if (c == 0 || !strchr("qw0123456789.,GMKmunpLCFRrlcf", c)) continue;
    if (c == 'w') { getchar(); return 100; }
    if (c == 'q') return 101;
    c = c == 'c' ? 'C' : c == 'f' ? 'F' : c == 'l' ? 'L' : c == 'r' ? 'R' : c == ',' ? '.' : c;
    if (j < 80) s[j++] = (char)c;
  }
  s[j] = 0;
  return 0;
}

static int parse(const char *s, float *q) {
  static const char *const PAIRS[] = {"LC", "LF", "CF", "RC", "RL", "RF"};
  int n[4] = {0}, total = 0, i, zap = 0, sig = 0;
  float temp = 0, razmer = 1;
  double del = 1;
  q[0] = q[1] = q[2] = q[3] = 0;
  for (; *s; ++s) {
    const char *m = strchr("LCFR", *s), *k = strchr("GMKmunp", *s);
    static const float SCALE[] = {1e9F, 1e6F, 1e3F, 1e-3F, 1e-6F, 1e-9F, 1e-12F};
    if (*s >= '0' && *s <= '9') {
      if (zap && sig >= 10) continue; /* below single precision */
      if (sig > 0 || *s != '0') sig++;
      temp = (float)((double)temp * 10 + (*s - '0'));
      if (zap) del *= 10;
    } else if (*s == '.') {
      zap = 1;
    } else if (m) {
      n[m - "LCFR"]++;
      q[m - "LCFR"] = (float)((double)temp * razmer / del);
      temp = 0, razmer = 1, del = 1, zap = 0, sig = 0;
    } else if (k) {
      razmer = SCALE[k - "GMKmunp"];
    }
  }
  for (i = 0; i < 4; ++i) {
    if (n[i] > 1) return 0;
    total += n[i];
  }
  for (i = 0; total == 2 && i < 6; ++i)
    if (n[strchr("LCFR", PAIRS[i][0]) - "LCFR"] && n[strchr("LCFR", PAIRS[i][1]) - "LCFR"]) return i + 1;
  return 0;
}

static void compute(float *q, int tip) {
  const double tp = 2 * 3.14159265, fp = tp * tp;
  float L = q[0], C = q[1], F = q[2], R = q[3];
  switch (tip) {
    case 1: F = (float)(1 / tp / sqrt((double)L * C)); R = (float)((F * tp) * L); break;
    case 2: C = (float)(1 / (((F * fp) * F) * L)); R = (float)((F * tp) * L); break;
    case 3: L = (float)(1 / (((F * fp) * F) * C)); R = (float)((F * tp) * L); break;
    case 4: F = (float)(1 / ((C * tp) * R)); L = (float)(1 / (((F * fp) * F) * C)); break;
    case 5: F = (float)(R / (L * tp)); C = (float)(1 / (((F * fp) * F) * L)); break;
    case 6: L = (float)(R / (F * tp)); C = (float)(1 / ((F * tp) * R)); break;
  }
  q[0] = L, q[1] = C, q[2] = F, q[3] = R;
}

static int scale(float *v) {
  static const double DIV[] = {1e21, 1e18, 1e15, 1e12, 1e9, 1e6, 1e3, 1,
                               1e-3, 1e-6, 1e-9, 1e-12, 1e-15, 1e-18, 1e-21, 1e-24};
  static const double MIN[] = {5e20, 5e17, 5e14, 5e11, 5e8, 5e5, 500, 0.5,
                               5e-4, 5e-7, 5e-10, 5e-13, 5e-16, 5e-19, 5e-22, 5e-25};
  static const int INDEX[] = {15, 14, 13, 12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  const double d = *v;
  int i;
  for (i = 0; i < 16; ++i) {
    if (d >= MIN[i]) {
      *v = (float)(d / DIV[i]);
      return INDEX[i];
    }
  }
  return 9;
}

int main(void) {
  char s[81], a[32], b[32], c[32], d[32];
  float q[4];
  int tip, i;
  for (;;) {
    fputs(MENU, stdout);
    if ((tip = line(s)) == 101) return 0;
    if (tip == 100) continue;
    printf("------------------------------------\n%s  обработанная строка данных\n", s);
    if ((tip = parse(s, q)) == 0) {
      fputs("Данные введены неверно\nПопробуйте ещё раз\n", stdout);
      continue;
    }
    printf("\nF=%-10s C=%-10s L=%-10s R=%-10s  \n\nКомбинация введёных данных %d\n",
           g(q[2], a), g(q[1], b), g(q[0], c), g(q[3], d), tip);
    compute(q, tip);
    printf("------------------------------------\n\n\n           Вывод результатов\n\n");
    printf(" F=%-10s   C=%-10s   L=%-10s   R=%-10s\n        ----------\n",
           g(q[2], a), g(q[1], b), g(q[0], c), g(q[3], d));
    for (i = 0; i < 4; ++i) {
      float *v = &q[i == 0 ? 2 : i == 1 ? 1 : i == 2 ? 0 : 3];
      const int raz = scale(v);
      printf("\n %c=%-15s %s %s", "FCLR"[i], g(*v, a), LABELS[raz], UNITS[i]);
    }
    fputs("------------------------------------------------------------------------\n", stdout);
  }
}
