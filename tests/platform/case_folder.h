#pragma once
// A folder of the running test case's own under the build's test-output folder. CTest runs every
// case as a process of its own, side by side with the others: a folder that several cases fill
// lets one case read a file that another is rewriting.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

// MQ_TEST_OUTPUT/<name>/<suite>.<case>, emptied and created afresh.
inline std::filesystem::path CaseFolder(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(MQ_TEST_OUTPUT) / name;
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        // Parameterised cases are named "Prefix/Suite.Case/3".
        std::string id = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(id.begin(), id.end(), '/', '_');
        folder /= id;
    }
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
