// Table-driven tests: each instance of a parameterised test is named after its row's `name`,
// and a failing row prints as that name instead of as raw bytes. A file whose rows live in an
// unnamed namespace brings PrintTo in with a using-declaration, so GoogleTest finds it.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cuepad::testing {

template <typename Row>
std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

template <typename Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

}  // namespace cuepad::testing
