// The kalder command-line tool.
#include <csignal>
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"
#include "kalder/TemporaryFiles.h"

namespace {

// Interrupted or told to stop while writing, the tool removes its half-written temporary file
// and then ends from the signal as it would have without the handler.
extern "C" void endFromSignal(int signal) {
    kalder::removeTemporaryFiles();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");  // numbers and dates in the user's locale
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = endFromSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    return kalder::app::run(args);
}
