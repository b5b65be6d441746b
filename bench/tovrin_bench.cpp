// make bench: figures of the running tovrin.exe, measured from outside as a user's
// keyboard and mouse drive it, beside reference_hotkey.exe, which does only what the
// platform needs for the same hotkey. Prints one table. Nothing here passes or fails.
//
//   tovrin_bench.exe [path of another tovrin.exe whose size to show, e.g. the 32-bit one]
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "core/controls.h"
#include "picker/picker_test_support.h"
#include "platform/diagnostics.h"
#include "tests/test_support.h"

namespace {

// tovrin.exe and the reference take turns, a round each, so that whatever else the
// machine does at the time weighs on both alike. A round starts its program once.
constexpr int kRounds = 10;
constexpr int kHideRunsPerRound = 3;
constexpr int kFadeRunsPerRound = 1;
constexpr int kFadeSteps = 30;
constexpr double kIdealFadeMs = (kFadeSteps + 6) * 10.0;  // 36 pauses of 10 ms

// One long-lived tovrin.exe: readings after start, after the first switches and the
// first ticks (what they set up once), and after all of them.
constexpr int kSwitches = 1000;
constexpr int kFirstSwitches = 10;
constexpr int kTicks = 10000;
constexpr int kFirstTicks = 100;
constexpr int kTicksPerBatch = 100;
constexpr int kPauses = 100;
constexpr int kIdleSlices = 3;
constexpr DWORD kIdleSliceMs = 10000;

// Poll intervals: fine where the figure is a few ms, coarser where a finer one would
// only load the system the programs need.
constexpr double kHidePollMs = 0.1;
constexpr double kFadePollMs = 0.2;
constexpr double kStartPollMs = 2;

constexpr wchar_t kTakenNotice[] = L"热键已被占用";
constexpr UINT kReferenceSetFadeSteps = WM_APP;  // see reference_hotkey.cpp
constexpr wchar_t kReferenceReadyTitle[] = L"holds the hotkey";

struct Counts {
  long gdi = -1, user = -1, handles = -1;
};

// Memory and resource counts of tovrin.exe at the end of a stage.
struct Reading {
  std::string after;
  Memory memory;
  Counts counts;
};

struct Results {
  std::vector<double> startMs, referenceStartMs;
  std::vector<double> hideMs, referenceHideMs;
  std::vector<double> fadeMs, referenceFadeMs;
  std::vector<double> switchMs, tickUs;
  std::vector<Reading> readings;
  std::vector<double> idleCpuMs;
  std::vector<double> pauseMs;
  std::vector<std::string> leftOut;  // runs that timed out or went wrong
};

// What runs now, on the error stream, so that the table stays alone on the output.
void Stage(const char* what) { std::fprintf(stderr, "bench: %s\n", what); }

void LeaveOut(Results& results, const std::string& what) { results.leftOut.push_back(what); }

std::wstring ControlTextOf(HWND main, int id) { return ControlText(GetDlgItem(main, id)); }

HWND FindWindowOf(const Process& process, const wchar_t* className) {
  HWND found = FindWindowW(className, nullptr);
  DWORD owner = 0;
  GetWindowThreadProcessId(found, &owner);
  return owner == process.id() ? found : nullptr;
}

// From CreateProcess until the main window is shown and the switch hotkey is held: ms,
// or -1. The hotkeys are registered before the window is shown, so probing the hotkey
// only once the window is visible cannot take it away from the program.
double WaitUntilTovrinReady(const Process& tovrin, HWND& main) {
  main = nullptr;
  const bool ready = PollUntil(
      [&] {
        if (!main) main = FindWindowOf(tovrin, L"TovrinForm");
        return main && IsWindowVisible(main) && SwitchHotkeyHeld();
      },
      kStartPollMs, 20000);
  const double elapsed = NowMs() - tovrin.startedAtMs();
  if (!ready || ControlTextOf(main, 标签10).rfind(kTakenNotice, 0) == 0) return -1;
  return elapsed;
}

// From CreateProcess until the reference holds the hotkey: ms, or -1. Its title tells
// when it registered the hotkey, and only then is the hotkey probed: a probe of ours at
// the moment it registers would take the key from it.
double WaitUntilReferenceReady(const Process& reference) {
  HWND window = nullptr;
  const bool ready = PollUntil(
      [&] {
        if (!window) window = FindWindowOf(reference, L"TovrinBenchReference");
        wchar_t title[32] = {};
        return window && GetWindowTextW(window, title, 32) && std::wstring(title) == kReferenceReadyTitle &&
               SwitchHotkeyHeld();
      },
      kStartPollMs, 20000);
  return ready ? NowMs() - reference.startedAtMs() : -1;
}

Counts CountsOf(HWND main) {
  const UINT message = RegisterWindowMessageW(kResourceCountsMessageName);
  auto count = [&](ResourceKind kind) {
    DWORD_PTR answer = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutW(main, message, static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return static_cast<long>(static_cast<LRESULT>(answer));
  };
  return {count(ResourceKind::GdiObjects), count(ResourceKind::UserObjects), count(ResourceKind::KernelHandles)};
}

void Read(const Process& tovrin, HWND main, const std::string& after, Results& results) {
  Sleep(500);  // what the last run set going (repaints, the host's hiding) has settled
  SendWithin(main, WM_NULL, 0, 0);
  results.readings.push_back({after, MemoryOf(tovrin.handle()), CountsOf(main)});
}

// The windows a switch works on, as the pickers would designate them.
void Designate(HWND main, HWND windowOne, HWND windowTwo) {
  SetControlText(GetDlgItem(main, 编辑框1), SlotText(windowOne));
  SetControlText(GetDlgItem(main, 编辑框4), SlotText(windowTwo));
}

void SetChecked(HWND main, int id, bool checked) {
  SendWithin(GetDlgItem(main, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetFadeSteps(HWND main, int steps) { SendWithin(GetDlgItem(main, 滑块条1), TBM_SETPOS, TRUE, steps); }

int LayeredAlphaOf(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

bool Topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool ShowAgain(HWND window) {
  ShowWindow(window, SW_SHOWNOACTIVATE);  // also brings a maximised window back to its size
  return PollUntil([&] { return IsWindowVisible(window) && !IsZoomed(window); }, 1, 5000);
}

// 1. From the key press to window 2 no longer visible; window 2 is shown again before
// each run. done() returns once whoever switched is idle again.
void HideLatencies(HWND windowTwo, const std::function<void()>& done, std::vector<double>& latencies,
                   Results& results) {
  for (int run = 0; run < kHideRunsPerRound; ++run) {
    if (!ShowAgain(windowTwo)) {
      LeaveOut(results, "window 2 did not show again");
      continue;
    }
    Sleep(30);
    const double pressed = NowMs();
    PressSwitchHotkey();
    if (PollUntil([&] { return !IsWindowVisible(windowTwo); }, kHidePollMs, 2000))
      latencies.push_back(NowMs() - pressed);
    else
      LeaveOut(results, "a press did not hide window 2");
    done();
  }
}

// 2. From the key press to window 1 at full opacity and out of the topmost band; window
// 1 starts each run restored to its size and opaque.
void FadeDurations(HWND windowOne, HWND windowTwo, std::vector<double>& durations, Results& results) {
  for (int run = 0; run < kFadeRunsPerRound; ++run) {
    if (!ShowAgain(windowTwo) || !ShowAgain(windowOne)) {
      LeaveOut(results, "the windows did not show again");
      continue;
    }
    Sleep(100);
    const double pressed = NowMs();
    PressSwitchHotkey();
    const bool started = PollUntil([&] { return LayeredAlphaOf(windowOne) != 255 || Topmost(windowOne); },
                                   kFadePollMs, 2000);
    const bool ended = started && PollUntil([&] { return LayeredAlphaOf(windowOne) == 255 && !Topmost(windowOne); },
                                            kFadePollMs, 10000);
    if (ended)
      durations.push_back(NowMs() - pressed);
    else
      LeaveOut(results, started ? "a fade did not end" : "a press started no fade");
  }
}

void TovrinRound(const WindowHost& host, Results& results) {
  Process tovrin(L"tovrin.exe", L"");
  HWND main = nullptr;
  const double ms = WaitUntilTovrinReady(tovrin, main);
  if (ms < 0) return LeaveOut(results, "tovrin.exe did not start with its hotkeys");
  results.startMs.push_back(ms);

  // A switch hides window 2 before anything else; without the fade it ends there.
  Designate(main, host.main, host.second);
  SetChecked(main, 选择框1, false);
  HideLatencies(host.second, [&] { SendWithin(main, WM_NULL, 0, 0); }, results.hideMs, results);

  SetChecked(main, 选择框1, true);
  SetFadeSteps(main, kFadeSteps);
  FadeDurations(host.main, host.second, results.fadeMs, results);
}

void ReferenceRound(const WindowHost& host, Results& results) {
  Process reference(L"reference_hotkey.exe", SlotText(host.main) + L" " + SlotText(host.second));
  const double ms = WaitUntilReferenceReady(reference);
  DWORD exitCode = 0;
  GetExitCodeProcess(reference.handle(), &exitCode);
  if (ms < 0) return LeaveOut(results, "reference_hotkey.exe did not take the hotkey, exit code " + std::to_string(exitCode));
  results.referenceStartMs.push_back(ms);
  HWND window = FindWindowOf(reference, L"TovrinBenchReference");

  HideLatencies(host.second, [&] { SendWithin(window, WM_NULL, 0, 0); }, results.referenceHideMs, results);
  SendWithin(window, kReferenceSetFadeSteps, kFadeSteps, 0);
  FadeDurations(host.main, host.second, results.referenceFadeMs, results);
}

// 1,000 switches by the hotkey, one fade step each, window 1 and window 2 trading places
// every time, so each switch brings up the window the one before hid. The switch clears
// the status line as its last step.
void SwitchMany(HWND main, const WindowHost& host, int switches, Results& results) {
  SetChecked(main, 选择框1, true);
  SetFadeSteps(main, 1);
  HWND status = GetDlgItem(main, 标签10);
  for (int i = 0; i < switches; ++i) {
    HWND one = i % 2 ? host.second : host.main, two = i % 2 ? host.main : host.second;
    Designate(main, one, two);
    SetControlText(status, L"switching");
    const double pressed = NowMs();
    PressSwitchHotkey();
    if (PollUntil([&] { return ControlText(status).empty(); }, 0.5, 5000))
      results.switchMs.push_back(NowMs() - pressed);
    else
      LeaveOut(results, "a switch of the 1,000 did not end");
  }
}

// The main window over the others, its picker box under the point where the user grips
// it. Into the topmost band and out again leaves it at the top of the ordinary windows,
// also where the system does not let another process take the foreground.
bool BringToFront(HWND main, HWND box) {
  return PollUntil(
      [&] {
        SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        return WindowFromPoint(CentreOf(box)) == box;
      },
      50, 5000);
}

// Poll ticks of picker 1 during one drag. The drag is started by the real mouse and held
// over the host's edit control; the ticks are WM_TIMER messages for 时钟1 posted to the
// main window, which runs them as it runs the timer's own (those go on every 100 ms
// meanwhile). Behind each batch goes a position for 滑块条1, posted to the same thread:
// once the slider shows it, the batch before it has run.
void DragWithTicks(HWND main, const WindowHost& host, int ticks, Results& results) {
  HWND box = GetDlgItem(main, 图片框1), slider = GetDlgItem(main, 滑块条1);
  ShowAgain(host.main);
  ShowAgain(host.second);
  if (!BringToFront(main, box)) return LeaveOut(results, "the picker box could not be brought under the pointer");
  LeftButton button;
  const POINT onto = CentreOf(host.child);
  if (!button.Press(CentreOf(box)) || !PollUntil([&] { return CaptureOfThreadOf(box) == box; }, 1, 5000) ||
      !MovePointerTo(onto) ||
      !PollUntil([&] { return ControlTextOf(main, 编辑框1) == SlotText(host.child); }, 1, 5000))
    return LeaveOut(results, "a drag did not start");

  for (int batch = 0; batch < ticks / kTicksPerBatch; ++batch) {
    const int marker = SendWithin(slider, TBM_GETPOS, 0, 0) == 100 ? 101 : 100;
    const double posted = NowMs();
    for (int tick = 0; tick < kTicksPerBatch; ++tick) PostMessageW(main, WM_TIMER, 时钟1, 0);
    PostMessageW(slider, TBM_SETPOS, TRUE, marker);
    if (PollUntil([&] { return SendWithin(slider, TBM_GETPOS, 0, 0) == marker; }, 0.5, 30000))
      results.tickUs.push_back((NowMs() - posted) * 1000.0 / kTicksPerBatch);
    else
      LeaveOut(results, "a batch of poll ticks did not run");
  }
  button.Release(onto);
  if (!PollUntil([&] { return CaptureOfThreadOf(box) == nullptr; }, 1, 5000)) LeaveOut(results, "a drag did not end");
}

// CPU time used in the tray, the main window closed to it, in slices of 10 s.
void IdleCpu(const Process& tovrin, HWND main, Results& results) {
  PostMessageW(main, WM_CLOSE, 0, 0);
  PollUntil([&] { return !IsWindowVisible(main); }, 1, 5000);
  Sleep(2000);
  for (int slice = 0; slice < kIdleSlices; ++slice) {
    const double before = CpuMsOf(tovrin.handle());
    Sleep(kIdleSliceMs);
    results.idleCpuMs.push_back(CpuMsOf(tovrin.handle()) - before);
  }
}

// A 10 ms pause as the switch waits it, on a waitable timer, here in the bench's own
// thread: how fine the platform's timers are, apart from what a fade step does.
void PauseLengths(Results& results) {
  UniqueHandle timer{CreateWaitableTimerW(nullptr, FALSE, nullptr)};
  for (int run = 0; run < kPauses; ++run) {
    LARGE_INTEGER due;
    due.QuadPart = -10 * 10000;
    const double began = NowMs();
    SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE);
    WaitForSingleObject(timer.get(), INFINITE);
    results.pauseMs.push_back(NowMs() - began);
  }
}

void CompareWithReference(const WindowHost& host, Results& results) {
  Stage("1-3: tovrin.exe and reference_hotkey.exe, a round each in turn");
  for (int round = 0; round < kRounds; ++round) {
    TovrinRound(host, results);
    WaitSwitchHotkeyFree();
    ReferenceRound(host, results);
    WaitSwitchHotkeyFree();
  }
}

void RunLong(const WindowHost& host, Results& results) {
  Process tovrin(L"tovrin.exe", L"");
  HWND main = nullptr;
  if (WaitUntilTovrinReady(tovrin, main) < 0) return LeaveOut(results, "tovrin.exe did not start for the long run");
  Read(tovrin, main, "start", results);

  Stage("4, 5: 1,000 switches");
  SwitchMany(main, host, kFirstSwitches, results);
  Read(tovrin, main, std::to_string(kFirstSwitches) + " switches", results);
  SwitchMany(main, host, kSwitches - kFirstSwitches, results);
  Read(tovrin, main, "1,000 switches (fade steps 1)", results);

  Stage("4, 5: 10,000 poll ticks");
  DragWithTicks(main, host, kFirstTicks, results);
  Read(tovrin, main, "a drag of 100 poll ticks", results);
  DragWithTicks(main, host, kTicks - kFirstTicks, results);
  Read(tovrin, main, "10,000 poll ticks (a second drag of 9,900)", results);

  Stage("6: idle in the tray");
  IdleCpu(tovrin, main, results);
}

// --- The table -------------------------------------------------------------------

template <typename... Values>
std::string Format(const char* format, Values... values) {
  char text[160];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

std::string SpreadText(const std::vector<double>& values, const char* format = "%.2f (%.2f-%.2f)") {
  if (values.empty()) return "n/a";
  const Spread s = SpreadOf(values);
  return Format(format, s.median, s.low, s.high);
}

std::string RatioText(const std::vector<double>& durations) {
  if (durations.empty()) return "n/a";
  const Spread s = SpreadOf(durations);
  return Format("%.3f (%.3f-%.3f), %.0f ms", s.median / kIdealFadeMs, s.low / kIdealFadeMs, s.high / kIdealFadeMs,
                s.median);
}

std::string ReadingText(const Reading& r) {
  return Format("%.1f / %.1f; %ld / %ld / %ld", r.memory.workingSet, r.memory.privateBytes, r.counts.gdi,
                r.counts.user, r.counts.handles);
}

std::string Runs(const std::vector<double>& a, const std::vector<double>& b) {
  return std::to_string(a.size()) + " / " + std::to_string(b.size());
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

std::string PlatformName() {
  using WineVersion = const char*(CDECL*)();
  const auto wineVersion = reinterpret_cast<WineVersion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
  std::string name = wineVersion ? std::string("Wine ") + wineVersion() : std::string("Windows");
  return name + (sizeof(void*) == 8 ? ", 64-bit build" : ", 32-bit build");
}

void Row(const std::string& figure, const std::string& tovrin, const std::string& reference, const std::string& runs) {
  std::printf("| %s | %s | %s | %s |\n", figure.c_str(), tovrin.c_str(), reference.c_str(), runs.c_str());
}

void PrintTable(const Results& r, const std::wstring& otherExe) {
  std::printf("tovrin.exe under %s; timings as median (min-max) over the runs\n\n", PlatformName().c_str());
  Row("figure", "tovrin.exe", "reference_hotkey.exe", "runs");
  Row("---", "---", "---", "---");
  Row("1. hotkey to window 2 hidden, ms", SpreadText(r.hideMs), SpreadText(r.referenceHideMs),
      Runs(r.hideMs, r.referenceHideMs));
  Row("2. switch with 30 fade steps, ratio to (30 + 6) x 10 ms", RatioText(r.fadeMs), RatioText(r.referenceFadeMs),
      Runs(r.fadeMs, r.referenceFadeMs));
  Row("3. start-up, ms: CreateProcess to main window shown and hotkeys held (reference: to hotkey held)",
      SpreadText(r.startMs, "%.0f (%.0f-%.0f)"), SpreadText(r.referenceStartMs, "%.0f (%.0f-%.0f)"),
      Runs(r.startMs, r.referenceStartMs));
  Row("4, 5. working set / private bytes, MiB; GDI objects / USER objects / kernel handles", "", "", "");
  for (const Reading& reading : r.readings) Row("... after " + reading.after, ReadingText(reading), "", "");
  double idleTotal = 0;
  for (double slice : r.idleCpuMs) idleTotal += slice;
  Row("6. CPU time idle in the tray for 30 s, ms (per 10 s slice)",
      r.idleCpuMs.empty() ? "n/a" : Format("%.0f (%s)", idleTotal, SpreadText(r.idleCpuMs, "%.0f: %.0f-%.0f").c_str()),
      "", std::to_string(r.idleCpuMs.size()) + " slices");
  const long long otherSize = otherExe.empty() ? -1 : FileSize(otherExe);
  Row("7. size of tovrin.exe, bytes: measured / 32-bit",
      Format("%lld / ", FileSize(TestProgramFolder() + L"tovrin.exe")) +
          (otherSize < 0 ? std::string("n/a") : Format("%lld", otherSize)),
      "", "");
  Row("a switch with fade steps 1, ms (ideal 7 x 10 ms)", SpreadText(r.switchMs), "", std::to_string(r.switchMs.size()));
  Row("a poll tick, us (per batch of 100)", SpreadText(r.tickUs, "%.0f (%.0f-%.0f)"), "",
      std::to_string(r.tickUs.size()) + " batches");
  Row("a 10 ms wait on a waitable timer, ms", SpreadText(r.pauseMs), "", std::to_string(r.pauseMs.size()));
  if (!r.leftOut.empty()) {
    std::printf("\nLeft out of the figures:\n");
    for (const std::string& what : r.leftOut) std::printf("  %s\n", what.c_str());
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  const std::wstring otherExe = argc > 1 ? argv[1] : L"";
  if (SwitchHotkeyHeld()) {
    std::printf("another program holds the grave accent: no figures\n");
    return 1;
  }
  WindowHost host(L"bench target");
  if (!host.main) {
    std::printf("window_host.exe did not start\n");
    return 1;
  }
  // Only the host's main and second windows take part. Its owned pop-up would follow the
  // main window into the topmost band on every switch (Wine leaves it there afterwards)
  // and cover the picker box.
  ShowWindow(host.owned, SW_HIDE);
  ShowWindow(host.tool, SW_HIDE);
  MovePointerTo({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});

  Results results;
  const double began = NowMs();
  PauseLengths(results);
  CompareWithReference(host, results);
  RunLong(host, results);
  PrintTable(results, otherExe);
  std::printf("\n(%.0f s)\n", (NowMs() - began) / 1000);
  return 0;
}
