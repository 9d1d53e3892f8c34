// The page in a browser: what its entry tells the platform layer.
#pragma once

// The standard input of the next session: bytes the page put in memory, read
// as one file.
void WebInput(const char* begin, const char* end);
