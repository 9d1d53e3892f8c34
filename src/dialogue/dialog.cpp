#include <algorithm>
#include <cerrno>

#include "../common/texts.h"
#include "dialogue.h"

int Failed(std::string_view what, int error) {
  const auto* own =
      std::find_if(PRICHINY.begin(), PRICHINY.end(),
                   [error](const Prichina& p) { return p.error == error; });
  const std::string_view reason =
      own != PRICHINY.end() ? own->text : SystemReason(error);
  std::fwrite(what.data(), 1, what.size(), stderr);
  std::fwrite(reason.data(), 1, reason.size(), stderr);
  std::fputc('\n', stderr);
  return 1;
}

namespace {

// Writes the answer as the format asks and, in the dialogue, pauses.
void Otvetit(Terminal& t, const Otvet& o, Format format) {
  Tekst tx;
  switch (format) {
    case Format::Text:
      ZapisatTekst(tx, o);
      break;
    case Format::Csv:
      ZapisatCsv(tx, o);
      break;
    case Format::Json:
      ZapisatJson(tx, o);
      break;
  }
  Write(t, {tx.bytes.data(), tx.n});
  Pause(t);
}

}  // namespace

// A reader that went away wanted no more output; any other write failure
// lost results, and the exit status says so.
int WriteFailed() {
  const int error = errno;
  return ReaderGone() ? 0 : Failed(WRITE_FAILED, error);
}

int Cikl(Terminal& t, Vhod& in, const Parametry& p) {
  const bool dialog = Dialogovyi(p);
  char str[LLL];
  bool invalid = false;
  // An entry split over arguments is worth a word, once.
  bool podskazat =
      p.zapisi != nullptr && p.zapisi[0] != nullptr && p.zapisi[1] != nullptr;
  const auto status = [&](int io) {
    return std::max(io, !dialog && invalid ? 1 : 0);
  };
  if (p.format == Format::Csv) {
    Tekst tx;
    ZagolovokCsv(tx, p);
    Write(t, {tx.bytes.data(), tx.n});
  }
  for (;;) {
    if (dialog) {
      Write(t, MENU);
    }
    if (std::ferror(t.out) != 0) {
      return status(WriteFailed());
    }
    const int tip = Vvod(in, str);
    if (!t.interactive) {
      Preduprezhdat(t, in, tip, str, podskazat);
    }
    if (tip == 101) {
      // The shell's prompt belongs on a line of its own: after the menu's
      // prompt, unless the terminal echoed the line end typed after q.
      if (dialog && t.screen && (in.konec || !t.interactive)) {
        Write(t, "\n");
      }
      if (!Flush(t) || std::ferror(t.out) != 0) {
        return status(WriteFailed());
      }
      return status(in.oshibka != 0 ? Failed(READ_FAILED, in.oshibka) : 0);
    }
    if (tip == 0) {
      const Otvet o = Reshit(str, p);
      Otvetit(t, o, p.format);
      invalid = invalid || Neudacha(o);
    }
    Clear(t);
  }
}
