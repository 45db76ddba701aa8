#include "basekit/debug.h"

#include <gtest/gtest.h>

namespace basekit {
namespace {

TEST(DebugTest, EveryOverloadIsSilent)
{
    const int values[] = {1, 2, 3};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Debug(42, L"value");
    Debug("narrow 中文", L"label");
    Debug(std::wstring(L"wide"), L"label");
    Debug(L"literal", L"label");
    Debug(values, 3, L"numbers");
    Debug(nullptr, 0, L"no numbers");
    Debug(std::vector<int>{4, 5}, L"vector");
    Debug(std::list<int>{6, 7}, L"list");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

} // namespace
} // namespace basekit
