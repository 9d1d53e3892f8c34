#include "history_posix.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "editline_posix.h"

namespace {

// A longer line is no entry anyone retypes; a file with one is not a history.
constexpr std::size_t ENTRY_MAX = 1000;
constexpr std::size_t FILE_MAX = HISTORY_SIZE * (ENTRY_MAX + 1);

constexpr std::string_view FOLDER = "/rezonans";
constexpr std::string_view FILE_NAME = "/history";

// What the editor needs between entries: where the file is, and whether it
// is the program's to write.
char path[4096];
std::size_t made_from = 0;
bool lasting = false;

// The state folder the user chose, or the default one under the home; false
// when neither is set or the path would not fit. `made` is where the folders
// that may be missing begin: the home itself is never made.
bool FindPath(std::size_t& made) {
  const char* state = std::getenv("XDG_STATE_HOME");
  const char* suffix = "";
  if (state == nullptr || state[0] != '/') {
    state = std::getenv("HOME");
    suffix = "/.local/state";
  }
  if (state == nullptr || state[0] != '/') {
    return false;
  }
  made = suffix[0] == '\0' ? 1 : std::strlen(state) + 1;
  const int n = std::snprintf(path, sizeof path, "%s%s%s%s", state, suffix,
                              FOLDER.data(), FILE_NAME.data());
  return n > 0 && static_cast<std::size_t>(n) < sizeof path;
}

// Text as typed: valid in the terminal's encoding, no control characters but
// the tab.
bool Fit(std::string_view s) {
  if (s.size() > ENTRY_MAX) {
    return false;
  }
  std::mbstate_t state{};
  for (std::size_t i = 0; i < s.size();) {
    wchar_t ch = 0;
    const std::size_t n = std::mbrtowc(&ch, s.data() + i, s.size() - i, &state);
    if (n == 0 || n > s.size() - i || (std::iswcntrl(ch) != 0 && ch != L'\t')) {
      return false;
    }
    i += n;
  }
  return true;
}

bool Enter(History* past, std::string_view entry) {
  char copy[ENTRY_MAX + 1];
  if (!Fit(entry)) {
    return false;
  }
  entry.copy(copy, entry.size());
  copy[entry.size()] = '\0';
  HistEvent ev;
  editline.history_op(past, &ev, H_ENTER, copy);
  return true;
}

// Every line of a history file is an entry; blank lines are passed over.
bool Parse(std::string_view text, History* past) {
  while (!text.empty()) {
    const std::size_t eol = std::min(text.find('\n'), text.size());
    if (eol != 0 && !Enter(past, text.substr(0, eol))) {
      return false;
    }
    text.remove_prefix(std::min(eol + 1, text.size()));
  }
  return true;
}

// Makes the missing folders of the path, for the owner alone.
void MakeFolders(std::size_t from) {
  const std::size_t end = std::strlen(path) - FILE_NAME.size();
  for (std::size_t i = from; i <= end; ++i) {
    if (path[i] == '/') {
      const char was = path[i];
      path[i] = '\0';
      mkdir(path, S_IRWXU);
      path[i] = was;
    }
  }
}

// Writes the whole history to a new file beside the old one, which it then
// replaces: a reader never sees half a history.
void Save(History* past) {
  char temp[sizeof path + 8];
  std::snprintf(temp, sizeof temp, "%s.XXXXXX", path);
  const int fd = mkstemp(temp);
  std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "w");
  if (file == nullptr) {
    if (fd >= 0) {
      close(fd);
      unlink(temp);
    }
    return;
  }
  HistEvent ev;
  for (int r = editline.history_op(past, &ev, H_LAST); r != -1;
       r = editline.history_op(past, &ev, H_PREV)) {
    std::fputs(ev.str, file);
    std::fputc('\n', file);
  }
  const bool written = std::ferror(file) == 0;
  if (std::fclose(file) != 0 || !written || rename(temp, path) != 0) {
    unlink(temp);
  }
}

}  // namespace

void HistoryLoad(History* past) {
  HistEvent ev;
  editline.history_op(past, &ev, H_SETSIZE, HISTORY_SIZE);
  if (!FindPath(made_from)) {
    return;
  }
  // Not blocking: a named pipe in its place must not hold up the start.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    lasting = errno == ENOENT;
    return;
  }
  struct stat st {};
  const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                       static_cast<std::size_t>(st.st_size) <= FILE_MAX;
  const auto size = regular ? static_cast<std::size_t>(st.st_size) : 0;
  void* text =
      size == 0 ? nullptr : mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
  close(fd);
  if (text == MAP_FAILED || (size == 0 && !regular)) {
    return;
  }
  lasting = Parse({static_cast<const char*>(text), size}, past);
  if (!lasting) {
    editline.history_op(past, &ev, H_CLEAR);
  }
  if (text != nullptr) {
    munmap(text, size);
  }
}

void HistoryAdd(History* past, std::string_view line) {
  if (!line.empty() && line.back() == '\n') {
    line.remove_suffix(1);
  }
  std::string_view typed = line;
  typed.remove_prefix(std::min(typed.find_first_not_of(" \t"), typed.size()));
  typed = typed.substr(0, typed.find_last_not_of(" \t") + 1);
  HistEvent ev;
  if (typed.empty() || typed == "q" || typed == "w" ||
      (editline.history_op(past, &ev, H_FIRST) == 0 && line == ev.str) ||
      !Enter(past, line)) {
    return;
  }
  if (lasting) {
    MakeFolders(made_from);
    Save(past);
  }
}
