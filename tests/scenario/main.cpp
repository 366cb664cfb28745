// kelvaro-scenario FILE...: runs the scenarios of script files against the
// program's logic with fake platform services.
#include "runner.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: kelvaro-scenario FILE...\n";
        return 2;
    }
    return kelvaro::scenario::runScriptFiles({argv + 1, argv + argc}, std::cout, std::cerr);
}
