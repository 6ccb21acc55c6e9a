#include "running_mark.h"

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
void CreateOpenToAll(const wchar_t* name) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;GA;;;WD)", SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    CreateMutexW(nullptr, FALSE, name);
    return;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  CreateMutexW(&attributes, FALSE, name);
  LocalFree(descriptor);
}

}  // namespace

// The handles are never closed: the mark lasts exactly as long as the process. A mark that cannot
// be made is no reason not to run; the installer also finds the locked file.
void MarkRunning() {
  CreateMutexW(nullptr, FALSE, L"Local\\velmora");
  CreateOpenToAll(L"Global\\velmora");
}

#else

void MarkRunning() {}

#endif

}  // namespace velmora::ui
