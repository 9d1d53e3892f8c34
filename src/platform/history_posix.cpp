#include "history_posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <cwctype>

#include "editline_posix.h"
#include "signals_posix.h"

namespace {

// A longer line is no entry anyone retypes; a file with one is not a history.
constexpr std::size_t ENTRY_MAX = 1000;
// Sessions append; the file is cut back to the newest HISTORY_SIZE entries
// once it holds more than TRIM_AT.
constexpr int TRIM_AT = 2 * HISTORY_SIZE;
// Room for a file appended past TRIM_AT by sessions that ended before they
// could trim it; a larger file is not a history.
constexpr off_t FILE_MAX = 2 * off_t{TRIM_AT} * off_t{ENTRY_MAX + 1};
// The trim reads and moves the file this much at a time.
constexpr std::size_t CHUNK = 65536;

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
// The history keeps the newest HISTORY_SIZE of them.
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

// Waits a second at most for the lock: a lock another program keeps must
// not hang the session, whose history then stays in memory.
constexpr long LOCK_RETRY_NS = 10L * 1000 * 1000;
constexpr int LOCK_TRIES = 100;

bool Lock(int fd, int how) {
  constexpr timespec RETRY{0, LOCK_RETRY_NS};
  for (int tries = 0; tries < LOCK_TRIES; ++tries) {
    if (flock(fd, how | LOCK_NB) == 0) {
      return true;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) {
      return false;
    }
    nanosleep(&RETRY, nullptr);
  }
  return false;
}

// Enters the lines read from `fd` a chunk at a time: each chunk is taken to
// its last line end, and the rest of it begins the next. A file another
// program rewrites meanwhile, without the lock, is at worst no history.
bool ReadLines(int fd, History* past) {
  char chunk[CHUNK];
  std::size_t begun = 0;
  off_t total = 0;
  for (;;) {
    const ssize_t n = read(fd, chunk + begun, sizeof chunk - begun);
    if (n <= 0) {
      return n == 0 && Parse({chunk, begun}, past);
    }
    total += n;
    const std::size_t end = begun + static_cast<std::size_t>(n);
    const std::size_t last = std::string_view(chunk, end).rfind('\n');
    const std::size_t whole = last == std::string_view::npos ? 0 : last + 1;
    begun = end - whole;
    if (total > FILE_MAX || begun > ENTRY_MAX || !Parse({chunk, whole}, past)) {
      return false;
    }
    std::memmove(chunk, chunk + whole, begun);
  }
}

// Enters the lines of the file `fd`, locked against the other sessions'
// writes; false, with nothing entered, when it is not a history.
bool Load(int fd, History* past) {
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > FILE_MAX) {
    return false;
  }
  if (ReadLines(fd, past)) {
    return true;
  }
  HistEvent ev;
  editline.history_op(past, &ev, H_CLEAR);
  return false;
}

// Makes the missing folders of the path.
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

// Opens the file to append to, through a link if it is one. A missing file
// is made, with its folders, for the owner alone whatever the umask.
int Open() {
  constexpr int FLAGS = O_RDWR | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = open(path, FLAGS);
  if (fd < 0 && errno == ENOENT) {
    const mode_t umask_was = umask(S_IRWXG | S_IRWXO);
    MakeFolders(made_from);
    fd = open(path, FLAGS | O_CREAT, S_IRUSR | S_IWUSR);
    umask(umask_was);
  }
  return fd;
}

// Where the newest HISTORY_SIZE lines of the file begin once it holds more
// than TRIM_AT lines, 0 while it holds no more. Reads back from the end no
// further than the TRIM_AT-th line.
off_t TrimFrom(int fd, off_t size) {
  char chunk[CHUNK];
  int lines = 0;
  off_t keep = 0;
  // The file's last byte ends its newest line.
  for (off_t end = size - 1; end > 0;) {
    const off_t begin = std::max<off_t>(0, end - static_cast<off_t>(CHUNK));
    if (pread(fd, chunk, end - begin, begin) != end - begin) {
      return 0;
    }
    for (off_t i = end - begin; i-- > 0;) {
      if (chunk[i] != '\n') {
        continue;
      }
      ++lines;
      if (lines == HISTORY_SIZE) {
        keep = begin + i + 1;
      }
      if (lines == TRIM_AT) {
        return keep;
      }
    }
    end = begin;
  }
  return 0;
}

// Moves the lines from `from` on to the start of the file in place, so that
// a link stays a link and no other file is ever made, and cuts off the rest.
void Trim(int fd, off_t from, off_t size) {
  // The ending signals and the stop wait until the file is whole again.
  const sigset_t was = HoldSignals();
  // Written where it is told, not at the end.
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1 && fcntl(fd, F_SETFL, flags & ~O_APPEND) == 0) {
    char chunk[CHUNK];
    off_t at = from;
    while (at < size) {
      const auto want = std::min(static_cast<off_t>(CHUNK), size - at);
      const ssize_t n = pread(fd, chunk, want, at);
      if (n <= 0 || pwrite(fd, chunk, n, at - from) != n) {
        break;
      }
      at += n;
    }
    // A file that cannot be cut still holds whole lines, some of them twice.
    if (at == size) {
      [[maybe_unused]] const int cut = ftruncate(fd, size - from);
    }
  }
  ReleaseSignals(was);
}

// Adds the entry at the end of the file in one write, then trims the file
// if it has grown past TRIM_AT lines. The lock is held alone meanwhile: a
// session that reads the file never sees an entry half written, nor the
// file half trimmed.
void Append(std::string_view entry) {
  const int fd = Open();
  if (fd < 0) {
    return;
  }
  struct stat st {};
  if (!Lock(fd, LOCK_EX) || fstat(fd, &st) != 0) {
    close(fd);
    return;
  }
  if (!S_ISREG(st.st_mode) || st.st_size > FILE_MAX) {
    // What is there now is no history: it is left alone.
    lasting = false;
    close(fd);
    return;
  }
  char line[ENTRY_MAX + 2];
  std::size_t n = 0;
  // A last line without its line end (edited by hand) stays a line.
  char last = '\n';
  if (st.st_size > 0 && pread(fd, &last, 1, st.st_size - 1) == 1 &&
      last != '\n') {
    line[n++] = '\n';
  }
  n += entry.copy(line + n, entry.size());
  line[n++] = '\n';
  const ssize_t written = write(fd, line, n);
  if (written == static_cast<ssize_t>(n)) {
    const off_t size = st.st_size + static_cast<off_t>(n);
    const off_t from = TrimFrom(fd, size);
    if (from != 0) {
      Trim(fd, from, size);
    }
  } else if (written > 0) {
    // Cut short by the file-size limit or a full disk: no half an entry.
    [[maybe_unused]] const int cut = ftruncate(fd, st.st_size);
  }
  close(fd);
}

}  // namespace

void HistoryLoad(History* past) {
  HistEvent ev;
  editline.history_op(past, &ev, H_SETSIZE, HISTORY_SIZE);
  if (!FindPath(made_from)) {
    return;
  }
  // Not blocking: a named pipe in its place must not hold up the start.
  // Sessions read under a shared lock, and write under the lock alone.
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    lasting = errno == ENOENT;
    return;
  }
  lasting = Lock(fd, LOCK_SH) && Load(fd, past);
  close(fd);
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
    Append(line);
  }
}
