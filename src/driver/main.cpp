#include "driver/platform.h"
#include "driver/run.h"

int main(int argc, char** argv) {
    kmd::PrepareStandardStreams();
    return kmd::Main(kmd::ProgramArguments(argc, argv), kmd::HostMessageBox());
}
