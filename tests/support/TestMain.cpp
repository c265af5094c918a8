// Test entry point: puts the process in the locale named by KALDER_TEST_LOCALE, so that the
// same suites run under a "." and a "," decimal mark.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const char* wanted = std::getenv("KALDER_TEST_LOCALE");
    if (wanted && *wanted && !std::setlocale(LC_ALL, wanted)) {
        std::fprintf(stderr, "locale %s is not installed; run scripts/setup.sh\n", wanted);
        return 1;
    }
    return RUN_ALL_TESTS();
}
