#include "picker/window_under_pointer.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct FakeWindow {
  uint32_t id;
  ScreenRect rect;
  uint32_t parent;
  bool visible;
};

// A made-up desktop: windows in z-order from the top, the pointer, and the window
// that the system reports at the pointer. Windows with the same parent follow each
// other in the z-order list just as they are given.
class FakeDesktop : public WindowQuery {
 public:
  FakeDesktop(ScreenPoint pointer, uint32_t hit, std::vector<FakeWindow> zOrder)
      : pointer_(pointer), hit_(hit), zOrder_(std::move(zOrder)) {}

  ScreenPoint CursorPos() override { return pointer_; }
  uint32_t WindowFromPoint(ScreenPoint point) override {
    EXPECT_EQ(point.x, pointer_.x);
    EXPECT_EQ(point.y, pointer_.y);
    return hit_;
  }
  bool ReadWindowRect(uint32_t window, ScreenRect& rect) override {
    const FakeWindow* w = Find(window);
    if (w == nullptr) return false;
    rect = w->rect;
    return true;
  }
  uint32_t Parent(uint32_t window) override {
    const FakeWindow* w = Find(window);
    return w ? w->parent : 0;
  }
  uint32_t NextInZOrder(uint32_t window) override {
    for (size_t i = 0; i + 1 < zOrder_.size(); ++i)
      if (zOrder_[i].id == window) return zOrder_[i + 1].id;
    return 0;
  }
  bool IsVisible(uint32_t window) override {
    const FakeWindow* w = Find(window);
    return w && w->visible;
  }

 private:
  const FakeWindow* Find(uint32_t window) const {
    for (const FakeWindow& w : zOrder_)
      if (w.id == window) return &w;
    return nullptr;
  }
  ScreenPoint pointer_;
  uint32_t hit_;
  std::vector<FakeWindow> zOrder_;
};

constexpr uint32_t kDialog = 0x100;
constexpr ScreenPoint kPointer = {50, 60};
// The window hit: a group box of 100 x 100 holding the pointer.
const FakeWindow kGroupBox = {0x201, {0, 0, 100, 100}, kDialog, true};

uint32_t SearchBelowGroupBox(std::vector<FakeWindow> below) {
  std::vector<FakeWindow> zOrder = {kGroupBox};
  zOrder.insert(zOrder.end(), below.begin(), below.end());
  FakeDesktop desktop(kPointer, kGroupBox.id, zOrder);
  return WindowUnderPointer(desktop);
}

}  // namespace

TEST(WindowUnderPointer, NoWindowAtThePointGivesZero) {
  FakeDesktop desktop(kPointer, 0, {kGroupBox});
  EXPECT_EQ(WindowUnderPointer(desktop), 0u);
}

TEST(WindowUnderPointer, ATopLevelWindowHitIsTheResult) {
  const FakeWindow topLevel = {0x300, {0, 0, 800, 600}, 0, true};
  const FakeWindow smallTopLevel = {0x310, {40, 50, 60, 70}, 0, true};
  FakeDesktop desktop(kPointer, topLevel.id, {topLevel, smallTopLevel});
  EXPECT_EQ(WindowUnderPointer(desktop), topLevel.id);
}

TEST(WindowUnderPointer, TheSmallestVisibleSiblingBelowHoldingThePointWins) {
  EXPECT_EQ(SearchBelowGroupBox({
                {0x202, {40, 40, 90, 90}, kDialog, true},  // 2500
                {0x203, {45, 55, 55, 65}, kDialog, true},  // 100: the smallest
                {0x204, {30, 30, 80, 80}, kDialog, true},  // 2500
            }),
            0x203u);
}

TEST(WindowUnderPointer, OnEqualAreasTheHigherWindowStays) {
  EXPECT_EQ(SearchBelowGroupBox({
                {0x202, {40, 50, 60, 70}, kDialog, true},
                {0x203, {45, 55, 65, 75}, kDialog, true},
            }),
            0x202u);
  EXPECT_EQ(SearchBelowGroupBox({{0x202, {-10, 0, 90, 100}, kDialog, true}}), kGroupBox.id);
}

TEST(WindowUnderPointer, IgnoresSiblingsThatDoNotQualify) {
  // Each would win on its area, but fails one condition.
  const struct {
    const char* name;
    FakeWindow sibling;
  } cases[] = {
      {"invisible", {0x202, {40, 50, 60, 70}, kDialog, false}},
      {"other parent", {0x202, {40, 50, 60, 70}, 0x101, true}},
      {"no parent", {0x202, {40, 50, 60, 70}, 0, true}},
      {"point left of it", {0x202, {51, 50, 60, 70}, kDialog, true}},
      {"point on its right edge", {0x202, {40, 50, 50, 70}, kDialog, true}},
      {"point above it", {0x202, {40, 61, 60, 70}, kDialog, true}},
      {"point on its bottom edge", {0x202, {40, 50, 60, 60}, kDialog, true}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SearchBelowGroupBox({c.sibling}), kGroupBox.id) << c.name;
  }
}

TEST(WindowUnderPointer, ThePointOnTheLeftAndTopEdgesCounts) {
  EXPECT_EQ(SearchBelowGroupBox({{0x202, {50, 60, 51, 61}, kDialog, true}}), 0x202u);
}

TEST(WindowUnderPointer, KeepsWalkingPastSiblingsThatDoNotQualify) {
  EXPECT_EQ(SearchBelowGroupBox({
                {0x202, {40, 50, 60, 70}, kDialog, false},
                {0x203, {40, 50, 60, 70}, 0x101, true},
                {0x204, {0, 0, 10, 10}, kDialog, true},
                {0x205, {0, 0, 90, 90}, kDialog, true},
            }),
            0x205u);
}

TEST(WindowUnderPointer, DoesNotLookAboveTheWindowHit) {
  const FakeWindow smallAbove = {0x1ff, {45, 55, 55, 65}, kDialog, true};
  FakeDesktop desktop(kPointer, kGroupBox.id, {smallAbove, kGroupBox});
  EXPECT_EQ(WindowUnderPointer(desktop), kGroupBox.id);
}

TEST(WindowUnderPointer, ReckonsAreasIn32BitsWithWrapAround) {
  // 65536 x 65536 pixels wraps round to an area of 0, below the group box's 10000.
  EXPECT_EQ(SearchBelowGroupBox({{0x202, {-32768, -32768, 32768, 32768}, kDialog, true}}),
            0x202u);
  // 65536 x 65535 = 2^32 - 65536 reads as -65536: smaller still.
  EXPECT_EQ(SearchBelowGroupBox({
                {0x202, {-32768, -32768, 32768, 32768}, kDialog, true},
                {0x203, {-32768, -32767, 32768, 32768}, kDialog, true},
            }),
            0x203u);
}
