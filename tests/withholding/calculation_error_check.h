#pragma once
#include <gtest/gtest.h>

#include <string>

#include "withholding/checked_amounts.h"

namespace nencho::test {

// The call must fail with the calculation's message naming the amount it could not form.
template <class Call>
void expectOverflowNaming(const std::string& amount, Call call) {
    try {
        call();
        ADD_FAILURE() << "no error";
    } catch (const CalculationError& error) {
        EXPECT_STREQ(error.what(), overflowDescription(amount).c_str());
    }
}

}  // namespace nencho::test
