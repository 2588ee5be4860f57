#include "driver/run.h"

int main(int argc, char** argv) { return kmd::Main(argc, argv); }
