// The resource counts a form answers to another process: each kind rises by what is
// acquired and falls back when it is released, read through the form's window as the
// benchmark reads them.
#include "platform/diagnostics.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/form.h"
#include "platform/win_handles.h"

namespace {

constexpr int kHeld = 3;

class DiagnosticsTest : public testing::Test {
 protected:
  void SetUp() override {
    FormSpec spec;
    spec.title = "diagnostics";
    spec.outerWidth = 200;
    spec.outerHeight = 120;
    form = std::make_unique<Form>(spec);
    form->Create(false);
  }
  LRESULT Count(ResourceKind kind) const {
    return SendMessageW(form->Window(), RegisterWindowMessageW(kResourceCountsMessageName),
                        static_cast<WPARAM>(kind), 0);
  }
  HWND ChildWindow() const {
    return CreateWindowW(L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form->Window(), nullptr, nullptr, nullptr);
  }
  std::unique_ptr<Form> form;
};

TEST_F(DiagnosticsTest, EachCountRisesByWhatIsHeldAndFallsBackWhenItIsReleased) {
  // What each case holds lives in these until the case releases it.
  std::vector<UniqueGdiObject> gdiObjects;
  std::vector<UniqueIcon> icons;
  std::vector<UniqueMenu> menus;
  std::vector<UniqueHandle> events;
  std::vector<HWND> windows;
  const struct {
    const char* what;
    ResourceKind kind;
    std::function<void()> acquire, release;
  } cases[] = {
      {"brushes", ResourceKind::GdiObjects, [&] { gdiObjects.emplace_back(CreateSolidBrush(RGB(1, 2, 3))); },
       [&] { gdiObjects.clear(); }},
      {"child windows", ResourceKind::UserObjects, [&] { windows.push_back(ChildWindow()); },
       [&] {
         for (HWND w : windows) DestroyWindow(w);
         windows.clear();
       }},
      {"icons", ResourceKind::UserObjects, [&] { icons.emplace_back(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))); },
       [&] { icons.clear(); }},
      {"menus", ResourceKind::UserObjects, [&] { menus.emplace_back(CreatePopupMenu()); }, [&] { menus.clear(); }},
      {"events", ResourceKind::KernelHandles, [&] { events.emplace_back(CreateEventW(nullptr, FALSE, FALSE, nullptr)); },
       [&] { events.clear(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const LRESULT before = Count(c.kind);
    ASSERT_GT(before, 0) << "the count can be read";
    for (int i = 0; i < kHeld; ++i) c.acquire();
    EXPECT_EQ(Count(c.kind), before + kHeld);
    c.release();
    EXPECT_EQ(Count(c.kind), before);
  }
}

TEST_F(DiagnosticsTest, UnknownKindIsAnsweredWithMinusOne) {
  EXPECT_EQ(SendMessageW(form->Window(), RegisterWindowMessageW(kResourceCountsMessageName), 7, 0), -1);
}

TEST(UniqueLiveCount, FollowsOwnershipThroughMovesReleasesAndResets) {
  const int before = UniqueHandle::Live();
  UniqueHandle first{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  EXPECT_EQ(UniqueHandle::Live(), before + 1);
  UniqueHandle second = std::move(first);  // one resource, still one owner
  EXPECT_EQ(UniqueHandle::Live(), before + 1);
  first = std::move(second);
  EXPECT_EQ(UniqueHandle::Live(), before + 1);
  first.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));  // one closed, one taken
  EXPECT_EQ(UniqueHandle::Live(), before + 1);
  HANDLE unowned = first.release();
  EXPECT_EQ(UniqueHandle::Live(), before);
  CloseHandle(unowned);
  { UniqueHandle scoped{CreateEventW(nullptr, FALSE, FALSE, nullptr)}; }
  EXPECT_EQ(UniqueHandle::Live(), before);
}

}  // namespace
