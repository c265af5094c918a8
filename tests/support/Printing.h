// Helpers of the print tests: many values joined into one text and a Preview that counts its
// events (outside tools and scratch folders are in Tools.h).
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "kalder/Preview.h"
#include "support/ErrorMatchers.h"
#include "support/TableTest.h"
#include "support/Tools.h"

namespace kalder::test {

// The values written one after another, each followed by "|", to compare many at once.
template <class... T>
std::string joined(const T&... values) {
    std::ostringstream out;
    ((out << values << '|'), ...);
    return out.str();
}

// A Preview that counts the events it raises.
struct CountedPreview {
    Preview pv;
    int complete = 0, cancel = 0, custom = 0;
    CountedPreview() {
        pv.onPrintComplete = [this] { ++complete; };
        pv.onPrintCancel = [this] { ++cancel; };
        pv.onCustomButtonClick = [this] { ++custom; };
    }
};

}  // namespace kalder::test
