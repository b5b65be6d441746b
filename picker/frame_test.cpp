#include "picker/frame.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace {

// A display that records what is done to it, over a made-up set of windows.
class RecordingScreen : public FrameScreen {
 public:
  std::map<uint32_t, ScreenRect> windows;
  std::vector<std::string> log;

  bool ReadWindowRect(uint32_t window, ScreenRect& rect) override {
    auto found = windows.find(window);
    if (found == windows.end()) return false;
    rect = found->second;
    return true;
  }
  void InvertBar(int32_t x, int32_t y, int32_t width, int32_t height) override {
    log.push_back(Bar(x, y, width, height));
  }
  void Open() override { log.push_back("open"); }
  void Close() override { log.push_back("close"); }

  static std::string Bar(int32_t x, int32_t y, int32_t width, int32_t height) {
    return "bar " + std::to_string(x) + ',' + std::to_string(y) + ',' + std::to_string(width) +
           ',' + std::to_string(height);
  }
};

std::vector<std::string> BarsOf(const ScreenRect& rect) {
  RecordingScreen screen;
  InvertFrame(screen, rect);
  return screen.log;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const std::vector<std::string> kOpen = {"open"};
const std::vector<std::string> kClose = {"close"};

}  // namespace

TEST(InvertFrame, DrawsTopLeftRightBottomBarsFromTheOuterEdges) {
  EXPECT_EQ(BarsOf({100, 200, 400, 500}),
            (std::vector<std::string>{"bar 100,200,300,3", "bar 100,203,3,294",
                                      "bar 400,203,-3,294", "bar 100,500,300,-3"}));
}

TEST(InvertFrame, PassesNegativeSideHeightsOfLowWindowsOn) {
  EXPECT_EQ(BarsOf({10, 20, 30, 25}),
            (std::vector<std::string>{"bar 10,20,20,3", "bar 10,23,3,-1", "bar 30,23,-3,-1",
                                      "bar 10,25,20,-3"}));
}

TEST(InvertFrame, DrawsNothingForAnEmptyRect) {
  const ScreenRect empty[] = {
      {0, 0, 0, 0},       {100, 200, 100, 500}, {100, 200, 99, 500},
      {100, 200, 400, 200}, {100, 200, 400, 199}, {INT_MAX, INT_MIN, INT_MIN, INT_MAX},
  };
  for (const ScreenRect& r : empty)
    EXPECT_TRUE(BarsOf(r).empty()) << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
}

TEST(InvertFrame, WrapsExtremeRectanglesLike32BitArithmetic) {
  EXPECT_EQ(BarsOf({INT_MIN, INT_MIN, INT_MAX, INT_MAX}),
            (std::vector<std::string>{
                RecordingScreen::Bar(INT_MIN, INT_MIN, -1, 3),
                RecordingScreen::Bar(INT_MIN, INT_MIN + 3, 3, -7),
                RecordingScreen::Bar(INT_MAX, INT_MIN + 3, -3, -7),
                RecordingScreen::Bar(INT_MIN, INT_MAX, -1, -3),
            }));
  EXPECT_EQ(BarsOf({0, INT_MAX - 1, 10, INT_MAX}),
            (std::vector<std::string>{
                RecordingScreen::Bar(0, INT_MAX - 1, 10, 3),
                RecordingScreen::Bar(0, INT_MIN + 1, 3, -5),
                RecordingScreen::Bar(10, INT_MIN + 1, -3, -5),
                RecordingScreen::Bar(0, INT_MAX, 10, -3),
            }));
}

namespace {

constexpr uint32_t kA = 0x00010a2c;
constexpr uint32_t kB = 0x80000f04;       // top bit set, as some handles have
constexpr uint32_t kGone = 0x00020b88;    // names no window (any more)
const ScreenRect kRectA = {100, 200, 400, 500};
const ScreenRect kRectB = {-50, 10, 70, 90};

class HighlightWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    screen.windows[kA] = kRectA;
    screen.windows[kB] = kRectB;
  }
  void TearDown() override {
    lastFramedWindow = 0;
    frameDrawn = false;
  }
  RecordingScreen screen;
};

}  // namespace

TEST_F(HighlightWindowTest, InvertsTheBandsEachStateAndCallAskFor) {
  const auto bandA = BarsOf(kRectA);
  const auto bandB = BarsOf(kRectB);
  const struct {
    const char* name;
    bool drawn;
    uint32_t last;
    uint32_t window;
    bool erase;
    std::vector<std::string> log;  // between open and close
    bool drawnAfter;
    uint32_t lastAfter;
  } cases[] = {
      {"start state, frame call for A", false, 0, kA, false, bandA, true, kA},
      {"frame down, frame call for the same window", false, kA, kA, false, bandA, true, kA},
      {"frame up, frame call for the same window", true, kA, kA, false, bandA, false, kA},
      {"frame down, frame call for another window", false, kA, kB, false, bandB, true, kB},
      {"frame up, frame call for another window", true, kA, kB, false, Concat({bandA, bandB}),
       true, kB},
      {"frame down, erase call", false, kA, 0, true, {}, false, kA},
      {"frame up, erase call", true, kA, 0, true, bandA, false, kA},
      {"erase call ignores its window", true, kA, kB, true, bandA, false, kA},
      {"start state, frame call for no window", false, 0, 0, false, {}, true, 0},
      {"frame up around no window, frame call for A", true, 0, kA, false, bandA, true, kA},
      {"frame up around a window that is gone, erase call", true, kGone, 0, true, {}, false,
       kGone},
      // The old band goes, and nothing comes back for a window that cannot be read.
      {"frame up, frame call for no window", true, kA, 0, false, bandA, true, 0},
      {"frame up, frame call for a window that is gone", true, kA, kGone, false, bandA, true,
       kGone},
      {"frame down, frame call for a window that is gone", false, kA, kGone, false, {}, true,
       kGone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    frameDrawn = c.drawn;
    lastFramedWindow = c.last;
    screen.log.clear();

    HighlightWindow(screen, c.window, c.erase);

    EXPECT_EQ(screen.log, Concat({kOpen, c.log, kClose}));
    EXPECT_EQ(frameDrawn, c.drawnAfter);
    EXPECT_EQ(lastFramedWindow, c.lastAfter);
  }
}

TEST_F(HighlightWindowTest, TakesTheFrameDownWhereTheWindowIsNow) {
  HighlightWindow(screen, kA);
  const ScreenRect moved = {150, 260, 450, 560};
  screen.windows[kA] = moved;
  screen.log.clear();

  HighlightWindow(screen, 0, true);

  EXPECT_EQ(screen.log, Concat({kOpen, BarsOf(moved), kClose}));
}

TEST_F(HighlightWindowTest, DefaultsToAFrameCallForNoWindow) {
  HighlightWindow(screen, kA);
  screen.log.clear();

  HighlightWindow(screen);

  EXPECT_EQ(screen.log, Concat({kOpen, BarsOf(kRectA), kClose}));
  EXPECT_TRUE(frameDrawn);
  EXPECT_EQ(lastFramedWindow, 0u);
}
