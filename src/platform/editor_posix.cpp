#include "editor_posix.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cwchar>
#include <string_view>

#include "../common/texts.h"
#include "editline_posix.h"
#include "history_posix.h"
#include "keys_posix.h"
#include "signals_posix.h"

namespace {

// What the editor needs between calls: itself, its history, and the rest of
// an editing key it is being handed one character at a time.
EditLine* editor = nullptr;
History* past = nullptr;
std::FILE* screen = nullptr;
// Where the library's own messages go: nowhere, they are not the program's.
std::FILE* quiet = nullptr;
Key pending{};
std::size_t handed = 0;

struct Binding {
  std::string_view keys;
  const char* function;
};

// The keys that edit, with the sequences terminals send for them. Any other
// escape sequence (function keys, Alt+key, page keys) does nothing at all.
constexpr std::array<Binding, 21> BINDINGS{{
    {"\033[D", "ed-prev-char"},
    {"\033OD", "ed-prev-char"},
    {"\033[C", "ed-next-char"},
    {"\033OC", "ed-next-char"},
    {"\033[A", "ed-prev-history"},
    {"\033OA", "ed-prev-history"},
    {"\033[B", "ed-next-history"},
    {"\033OB", "ed-next-history"},
    {"\033[H", "ed-move-to-beg"},
    {"\033OH", "ed-move-to-beg"},
    {"\033[1~", "ed-move-to-beg"},
    {"\033[7~", "ed-move-to-beg"},
    {"\033[F", "ed-move-to-end"},
    {"\033OF", "ed-move-to-end"},
    {"\033[4~", "ed-move-to-end"},
    {"\033[8~", "ed-move-to-end"},
    {"\033[3~", "ed-delete-next-char"},
    {"\033[1;5D", "ed-prev-word"},
    {"\033[1;5C", "em-next-word"},
    // Ctrl-U and Ctrl-W cut back to the line's start and the word before
    // the cursor, as in the shells.
    {"\x15", "vi-kill-line-prev"},
    {"\x17", "ed-delete-prev-word"},
}};
static_assert(BINDINGS.back().keys == "\x17", "a binding is missing");

bool Editing(const Key& key) {
  const std::string_view sent(reinterpret_cast<const char*>(key.bytes), key.n);
  for (const Binding& b : BINDINGS) {
    if (b.keys == sent) {
      return true;
    }
  }
  return false;
}

// The control keys that edit: Ctrl-A, B, D, E, F, H, J, K, M, N, P, U, W and
// Backspace. Any other does nothing at all.
constexpr std::wstring_view CONTROLS =
    L"\x01\x02\x04\x05\x06\x08\x0A\x0B\x0D\x0E\x10\x15\x17\x7F";

bool Unused(wchar_t ch) {
  return (ch < 0x20 || ch == 0x7F) && CONTROLS.find(ch) == CONTROLS.npos;
}

// After a resize the whole line is drawn anew from the start of its first
// row, which the cursor reaches by as many rows as it stands below it in
// the window as it is now wide (terminals rewrap the rows of a line).
void Redraw(EditLine* el) {
  editline.resize(el);
  const LineInfo* line = editline.line(el);
  const std::size_t at =
      Shirina(PROMPT) +
      Shirina({line->buffer,
               static_cast<std::size_t>(line->cursor - line->buffer)});
  winsize size{};
  const std::size_t rows =
      ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0
          ? at / size.ws_col
          : 0;
  std::fputc('\r', screen);
  for (std::size_t i = 0; i < rows; ++i) {
    editline.set(el, EL_ECHOTC, "-s", "up", nullptr);
  }
  editline.set(el, EL_ECHOTC, "-s", "cd", nullptr);
  editline.set(el, EL_REFRESH);
}

// Hands the editor one character at a time: the characters of an editing
// key in turn, every other key as the one character it is. Escape sequences
// of other keys, control keys that do not edit, and bytes that are no
// character never reach the line. The modes the editor set are the
// program's own while it waits; a resize or a continue draws the line anew.
int GetChar(EditLine* el, wchar_t* ch) {
  if (handed < pending.n) {
    *ch = pending.bytes[handed++];
    return 1;
  }
  for (;;) {
    if (Resized()) {
      Redraw(el);
    }
    if (Continued()) {
      editline.set(el, EL_REFRESH);
    }
    KeepModes();
    Key key{};
    const KeyRead got = ReadKey(STDIN_FILENO, key);
    if (got == KeyRead::End || got == KeyRead::Failed) {
      return got == KeyRead::End ? 0 : -1;
    }
    if (got == KeyRead::Interrupted) {
      continue;
    }
    if (key.bytes[0] == 0x1B) {
      if (Editing(key)) {
        pending = key;
        handed = 1;
        *ch = key.bytes[0];
        return 1;
      }
      continue;
    }
    std::mbstate_t state{};
    const std::size_t n = std::mbrtowc(
        ch, reinterpret_cast<const char*>(key.bytes), key.n, &state);
    if (n == key.n && !Unused(*ch)) {
      return 1;
    }
  }
}

char* Prompt(EditLine* /*el*/) { return const_cast<char*>(PROMPT.data()); }

}  // namespace

bool EditorOpen(std::FILE* out) {
  if (!EditlineLoad()) {
    return false;
  }
  screen = out;
  // A terminal the system does not know is a dumb one, silently.
  quiet = std::fopen("/dev/null", "w");
  editor =
      quiet == nullptr ? nullptr : editline.init("rezonans", stdin, out, quiet);
  past = editline.history_new();
  if (editor == nullptr || past == nullptr) {
    EditorClose();
    return false;
  }
  editline.set(editor, EL_EDITOR, "emacs");
  editline.set(editor, EL_PROMPT, Prompt);
  editline.set(editor, EL_GETCFN, GetChar);
  for (const Binding& b : BINDINGS) {
    editline.set(editor, EL_BIND, b.keys.data(), b.function, nullptr);
  }
  editline.set(editor, EL_HIST, editline.history_op, past);
  HistoryLoad(past);
  return true;
}

void EditorClose() {
  if (past != nullptr) {
    editline.history_free(past);
    past = nullptr;
  }
  if (editor != nullptr) {
    // Between lines the editor keeps the terminal as it found it; at its end
    // it would set it so once more, throwing away what was typed ahead, a
    // line meant for the shell among it. Told it edits no more, it leaves
    // the terminal alone.
    editline.set(editor, EL_EDITMODE, 0);
    editline.end(editor);
    editor = nullptr;
  }
  if (quiet != nullptr) {
    std::fclose(quiet);
    quiet = nullptr;
  }
}

bool EditorLine(const char** begin, const char** end, int& error) {
  // The menu wrote the prompt; the editor writes it again from the line's
  // start, and from then on knows where the cursor stands.
  std::fputc('\r', screen);
  // The line is drawn whole from here: a stop before it began needs no
  // redraw, a resize only the new width.
  Continued();
  if (Resized()) {
    editline.resize(editor);
  }
  int n = 0;
  errno = 0;
  const char* line = editline.gets(editor, &n);
  KeepModes();
  if (line == nullptr || n <= 0) {
    error = n < 0 ? errno : 0;
    return false;
  }
  HistoryAdd(past, {line, static_cast<std::size_t>(n)});
  *begin = line;
  *end = line + n;
  return true;
}

void EditorClear() {
  // Silently: a capability the terminal lacks is simply not written.
  editline.set(editor, EL_ECHOTC, "-s", "cl", nullptr);
  editline.set(editor, EL_ECHOTC, "-s", "E3", nullptr);
}
