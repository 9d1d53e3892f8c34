#include "dialogue/dialogue.h"

int main(int argc, char** argv) { return Programma(argc, argv); }
