// Constants shared by the dialogue and the arithmetic.
#pragma once

// The line buffer: at most 80 kept characters and the terminating zero.
constexpr int LLL = 81;

// Every circuit constant is derived from this value of pi, not a more exact
// one, so that the printed figures are the ones the users compare with.
constexpr double PI = 3.14159265;
