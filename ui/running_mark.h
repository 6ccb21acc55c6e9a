#pragma once

// While velmora runs on Windows it holds a named mutex, by which its installer and uninstaller see
// it before they replace or delete a program file that Windows keeps locked. Elsewhere nothing.

namespace velmora::ui {

// Held from its construction until it is destroyed, at the end of the program.
class RunningMark {
 public:
  RunningMark();
  ~RunningMark();
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  void* session_ = nullptr;  // Local\velmora: seen by an install in this session
  void* machine_ = nullptr;  // Global\velmora: seen from every session, for a machine-wide install
};

}  // namespace velmora::ui
