#include <ole2.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/process.h"

namespace talvo {

void PrepareProcess() {
  OleInitialize(nullptr);
  char path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  std::string folder(path, n);
  const auto slash = folder.find_last_of("\\/");
  if (slash == std::string::npos) return;
  folder.resize(slash + 1);
  SetCurrentDirectoryA(folder.c_str());
}

void EndProcessNow(int exitCode) {
  // ExitProcess would run DLL detach, which can hang while other threads are inside COM
  // calls; the exit routines have run already.
  std::fflush(nullptr);
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace talvo
