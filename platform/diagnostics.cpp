#include "platform/diagnostics.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

#include "platform/win_handles.h"

namespace {

// Wine has GetGuiResources only as a stub that answers 0 with this error.
bool CountedBySystem(DWORD count) { return count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED; }

template <typename Function>
Function NtdllFunction(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

// A slot of the GDI handle table as Windows lays it out and Wine copies it; Wine gives
// every process a table of its own, pointed to by the PEB, where a free slot has no type.
struct GdiHandleEntry {
  uint64_t object;
  uint32_t owner;
  uint16_t unique;
  uint8_t type;
  uint8_t flags;
  uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's layout");
constexpr int kGdiHandleSlots = 0x10000;

long GdiSlotsInUse() {
  using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = NtdllFunction<Query>("NtQueryInformationProcess");
  PROCESS_BASIC_INFORMATION info{};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return -1;
  const auto* peb = reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
  const size_t tableField = sizeof(void*) == 8 ? 0xF8 : 0x94;  // PEB.GdiSharedHandleTable
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + tableField);
  if (!table) return -1;
  long inUse = 0;
  for (int i = 0; i < kGdiHandleSlots; ++i) inUse += table[i].type != 0;
  return inUse;
}

long GdiObjects() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return CountedBySystem(counted) ? static_cast<long>(counted) : GdiSlotsInUse();
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

// A window of this process counts with all its descendants.
BOOL CALLBACK CountOwnWindowTree(HWND top, LPARAM count) {
  DWORD owner = 0;
  GetWindowThreadProcessId(top, &owner);
  if (owner == GetCurrentProcessId()) {
    CountWindow(top, count);
    EnumChildWindows(top, CountWindow, count);
  }
  return TRUE;
}

// The top-level and message-only windows of this process and all their descendants.
long WindowsOfThisProcess() {
  long windows = 0;
  EnumWindows(CountOwnWindowTree, reinterpret_cast<LPARAM>(&windows));
  for (HWND only = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); only;
       only = FindWindowExW(HWND_MESSAGE, only, nullptr, nullptr))
    CountOwnWindowTree(only, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

long UserObjects() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (CountedBySystem(counted)) return static_cast<long>(counted);
  // The system keeps no count: the windows, and the icons, cursors and menus that the
  // platform layer's owners hold.
  return WindowsOfThisProcess() + UniqueIcon::Live() + UniqueMenu::Live();
}

// The system's table of every open handle, as SystemExtendedHandleInformation lists it.
struct HandleEntry {
  void* object;
  ULONG_PTR processId;
  ULONG_PTR handle;
  ULONG access;
  USHORT creatorBackTrace;
  USHORT objectType;
  ULONG attributes;
  ULONG reserved;
};
struct HandleTable {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};
constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

long HandlesInSystemTable() {
  using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  const auto query = NtdllFunction<Query>("NtQuerySystemInformation");
  if (!query) return -1;
  std::vector<unsigned char> buffer(1 << 16);
  NTSTATUS status;
  while ((status = query(kSystemExtendedHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                         nullptr)) == kInfoLengthMismatch && buffer.size() < (1u << 28))
    buffer.resize(buffer.size() * 2);
  if (status != 0) return -1;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  long ours = 0;
  for (ULONG_PTR i = 0; i < table->count; ++i) ours += table->entries[i].processId == GetCurrentProcessId();
  return ours;
}

long KernelHandles() {
  // Wine's GetProcessHandleCount succeeds with 0; a living process always holds some.
  DWORD counted = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &counted) && counted) return static_cast<long>(counted);
  return HandlesInSystemTable();
}

}  // namespace

long ResourceCount(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::GdiObjects: return GdiObjects();
    case ResourceKind::UserObjects: return UserObjects();
    case ResourceKind::KernelHandles: return KernelHandles();
  }
  return -1;
}

bool AnswerResourceCounts(UINT message, WPARAM wParam, LRESULT& answer) {
  static const UINT resourceCounts = RegisterWindowMessageW(kResourceCountsMessageName);
  if (message != resourceCounts || !resourceCounts) return false;
  answer = ResourceCount(static_cast<ResourceKind>(wParam));
  return true;
}
