#pragma once

// While velmora runs on Windows it holds a named mutex, by which its installer and uninstaller see
// it before they replace or delete a program file that Windows keeps locked. Elsewhere nothing.

namespace velmora::ui {

// Once, at the start: Local\velmora, seen by an install in this session, and Global\velmora, seen
// from every session, for a machine-wide install. Both stay until the process ends, which closes
// them.
void MarkRunning();

}  // namespace velmora::ui
