#include "running_mark.h"

#include <initializer_list>

#ifdef _WIN32
#include <windows.h>
// windows.h first: sddl.h builds on its types.
#include <sddl.h>
#endif

namespace velmora::ui {

#ifdef _WIN32

namespace {

// Every user's velmora opens the one machine-wide mutex, whoever made it first: its access is
// granted to everyone. Nobody ever waits on it, so the access harms nothing. Creating a mutex in
// the global namespace needs no privilege (only file mappings there do).
HANDLE CreateOpenToAll(const wchar_t* name) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;GA;;;WD)", SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return CreateMutexW(nullptr, FALSE, name);
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  HANDLE mutex = CreateMutexW(&attributes, FALSE, name);
  LocalFree(descriptor);
  return mutex;
}

}  // namespace

// Failure to make either is no reason not to run: the installer also finds the locked file.
RunningMark::RunningMark()
    : session_(CreateMutexW(nullptr, FALSE, L"Local\\velmora")),
      machine_(CreateOpenToAll(L"Global\\velmora")) {}

RunningMark::~RunningMark() {
  for (void* mutex : {session_, machine_}) {
    if (mutex != nullptr) CloseHandle(mutex);
  }
}

#else

RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;

#endif

}  // namespace velmora::ui
