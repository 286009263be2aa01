#include <iostream>

#include "scenario_runner.h"

int main(int argc, char** argv) {
    varnel::scenario::Totals all;
    for (int i = 1; i < argc; ++i) {
        auto t = varnel::scenario::RunFile(argv[i], std::cout);
        all.passed += t.passed;
        all.failed += t.failed;
    }
    std::cout << all.passed << " passed, " << all.failed << " failed\n";
    return all.failed == 0 && all.passed > 0 ? 0 : 1;
}
