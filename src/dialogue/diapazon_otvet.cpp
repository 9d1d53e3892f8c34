#include <algorithm>

#include "../arithmetic/diapazon.h"
#include "../common/texts.h"
#include "dialogue.h"

namespace {

// Writes out what `tx` holds, and empties it.
void Vyvesti(Terminal& t, Tekst& tx) {
  Write(t, {tx.bytes.data(), tx.n});
  tx.n = 0;
}

// The design, then each circuit of standard parts, a record each.
void Zapisi(Terminal& t, const Sopryazhenie& o, Format format) {
  Tekst tx;
  if (format == Format::Csv) {
    ZagolovokDiapazonaCsv(tx);
  }
  for (std::size_t i = 0; i <= o.n_standart; ++i) {
    if (format == Format::Csv) {
      ZapisatDiapazonCsv(tx, o, i);
    } else {
      ZapisatDiapazonJson(tx, o, i);
    }
    Vyvesti(t, tx);
  }
}

}  // namespace

int OtvetitDiapazon(Terminal& t, const Parametry& p) {
  const Sopryazhenie o = Sopryach(p.zadanie, p.ryad);
  Tekst tx;
  if (p.format == Format::Text) {
    ZapisatDiapazon(tx, o);
    Vyvesti(t, tx);
    ZapisatStandarty(tx, o);
    Vyvesti(t, tx);
  } else {
    // Why there is no design, before the records it belongs to.
    if (o.ishod != Ishod::Gotovo) {
      Dobavit(tx, PROVAL_OSHIBKA);
      ZapisatProval(tx, o);
      // A warning is one line: the report's words go on after a space.
      char* end = tx.bytes.data() + tx.n - 1;
      tx.n = static_cast<std::size_t>(std::remove(tx.bytes.data(), end, '\n') -
                                      tx.bytes.data());
      tx.bytes[tx.n++] = '\n';
      Warn(t, {tx.bytes.data(), tx.n});
      tx.n = 0;
    }
    Zapisi(t, o, p.format);
  }
  const int status = o.ishod == Ishod::Gotovo ? 0 : 1;
  if (!Flush(t) || std::ferror(t.out) != 0) {
    return std::max(WriteFailed(), status);
  }
  return status;
}
