#include "core/window_lookup.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/window_helpers.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/test_support.h"

namespace {

// The host titles all its top-level windows alike; the lookup answers the first of
// them in Z order, so check whose window it is and what its title holds.
testing::AssertionResult IsHostWindowTitled(int32_t found, const WindowHost& host, const std::string& text) {
  DWORD processId = 0;
  GetWindowThreadProcessId(HandleFrom(found), &processId);
  if (found == 0 || processId != host.processId()) return testing::AssertionFailure() << found << " is not the host's";
  if (WindowTitleOf(HandleFrom(found)).find(text) == std::string::npos)
    return testing::AssertionFailure() << "title of " << found << " lacks " << text;
  return testing::AssertionSuccess();
}

int32_t DeadHandle() {
  HWND window = CreateWindowW(L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(window);
  return HandleValue(window);
}

TEST(WindowExists, LiveHandleAnswersItself) {
  WindowHost host(L"lookup live");
  EXPECT_EQ(WindowExists(IntToText(HandleValue(host.main))), HandleValue(host.main));
  EXPECT_EQ(WindowExists(IntToText(HandleValue(host.child))), HandleValue(host.child));
}

TEST(WindowExists, DeadHandleFallsBackToTheTitles) {
  const int32_t dead = DeadHandle();
  ASSERT_FALSE(IsWindow(HandleFrom(dead)));
  const std::wstring digits = std::to_wstring(dead);
  {
    WindowHost host(L"report " + digits + L" final");
    EXPECT_TRUE(IsHostWindowTitled(WindowExists(IntToText(dead)), host, IntToText(dead)));
  }
  EXPECT_EQ(WindowExists(IntToText(dead)), 0);  // nobody's title has the digits any more
}

TEST(WindowExists, NegativeTextKeepsItsSign) {
  // -7 names no window; only a title holding "-7" may answer for it.
  {
    WindowHost host(L"build 7 of 9");
    EXPECT_EQ(WindowExists("-7"), 0);
  }
  WindowHost host(L"delta -7 ok");
  EXPECT_TRUE(IsHostWindowTitled(WindowExists("-7"), host, "-7"));
}

TEST(ListTopLevelWindows, RecordsEveryTopLevelWindowWithItsOwners) {
  WindowHost host(L"列表测试");
  WindowList list;
  const size_t count = ListTopLevelWindows(list);
  EXPECT_EQ(count, list.size());
  auto found = std::find_if(list.begin(), list.end(), [&](const WindowRecord& r) { return r.handle == HandleValue(host.main); });
  ASSERT_NE(found, list.end());
  EXPECT_EQ(found->processId, host.processId());
  EXPECT_EQ(found->threadId, GetWindowThreadProcessId(host.main, nullptr));
  EXPECT_EQ(found->title, "列表测试");
  EXPECT_EQ(found->className, "TovrinTestHost");
  // A child is not a top-level window.
  EXPECT_TRUE(std::none_of(list.begin(), list.end(), [&](const WindowRecord& r) { return r.handle == HandleValue(host.child); }));
}

TEST(WindowClassOf, LongClassNameIsCutToFortyNineCharacters) {
  const std::wstring name = L"AVeryLongWindowClassNameThatGoesOnAndOnAndOnPastFiftyCharacters";
  ASSERT_GT(name.size(), 49u);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = name.c_str();
  ASSERT_TRUE(RegisterClassW(&wc));
  HWND window = CreateWindowW(name.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_EQ(WindowClassOf(window), std::string(name.begin(), name.begin() + 49));
  DestroyWindow(window);
  EXPECT_EQ(WindowClassOf(nullptr), "");
}

}  // namespace
