// A file name in the system's temporary folder that belongs to the running
// test case alone, so that test cases run in parallel processes never share
// one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace test_support {

// temp/STEM-SUITE.CASE.EXTENSION; `extension` with its dot.
inline std::string TestTempPath(const std::string& stem, const std::string& extension) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string unique = stem;
    if (test != nullptr) unique += std::string("-") + test->test_suite_name() + "." + test->name();
    for (char& c : unique)
        if (c == '/') c = '_';  // parameterised names
    return (std::filesystem::temp_directory_path() / (unique + extension)).string();
}

}  // namespace test_support
