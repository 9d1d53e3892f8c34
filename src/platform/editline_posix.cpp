#include "editline_posix.h"

#include <dlfcn.h>

Editline editline{};

namespace {

template <typename F>
bool Find(void* library, F& function, const char* name) {
  function = reinterpret_cast<F>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace

bool EditlineLoad() {
  // The name the system's loader knows the library by, found by the build.
  void* library = dlopen(EDITLINE_SONAME, RTLD_NOW | RTLD_LOCAL);
  return library != nullptr && Find(library, editline.init, "el_init") &&
         Find(library, editline.end, "el_end") &&
         Find(library, editline.set, "el_set") &&
         Find(library, editline.gets, "el_gets") &&
         Find(library, editline.resize, "el_resize") &&
         Find(library, editline.line, "el_line") &&
         Find(library, editline.history_new, "history_init") &&
         Find(library, editline.history_free, "history_end") &&
         Find(library, editline.history_op, "history");
}
