// The lasting history of entries: one entry a line, oldest first, in
// $XDG_STATE_HOME/rezonans/history (by default ~/.local/state/rezonans/).
#pragma once

#include <histedit.h>

#include <string_view>

constexpr int HISTORY_SIZE = 500;

// Loads the history file into `past`. When there is no home, or the file
// cannot be read or is not a history, the history lives in memory only and
// the file is left alone.
void HistoryLoad(History* past);

// Adds a line the user entered, unless it is blank, a bare command, too long
// to keep, or the entry just before it; then saves the file.
void HistoryAdd(History* past, std::string_view line);
