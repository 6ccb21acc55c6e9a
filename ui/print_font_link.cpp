// Windows only. Qt's Windows print engine, when it meets text of a DirectWrite font engine, asks
// that engine for a GDI font (QWindowsFontEngineDirectWrite::createHFONT). velmora's static Qt is
// built without Direct2D, and so without that engine: its fonts are GDI's, the branch never runs,
// but the print engine is compiled with the call all the same and would not link. This gives the
// call its answer, "no GDI font", under the member's own (mangled) name, since the class itself is
// not in this Qt. Should a later Qt build bring the engine, the link fails loudly on a duplicate.

#include <windows.h>

extern "C" HFONT _ZNK29QWindowsFontEngineDirectWrite11createHFONTEv(const void* /*engine*/) {
  return nullptr;
}
