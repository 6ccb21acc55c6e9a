#pragma once

// The PDF of a design, made apart from the rest of the program: it alone needs Qt's painting and
// a (virtual) screen's faces. On Linux a module beside the program makes it, loaded only when a
// PDF is asked for, so that every other run starts without QtGui; on Windows, where Qt is linked
// in statically, the program calls it directly.

#include <string>

#include "electrical_figures.h"
#include "field_set.h"

#if defined(_WIN32)
#define VELMORA_PDF_ENTRY
#else
#define VELMORA_PDF_ENTRY __attribute__((visibility("default")))
#endif

namespace velmora::cli {

enum class PdfOutcome : int {
  Made = 0,
  NoSurface = 1,      // the design's surfaces cannot be drawn
  TooManyPoints = 2,  // a curve is beyond the sampling rule's cap
};

}  // namespace velmora::cli

extern "C" {

// The PDF of the completed design the fields hold, dated today, into `bytes`: a PdfOutcome. With
// `electrical`, the sheet carries the figures at its frequency.
VELMORA_PDF_ENTRY int velmora_cli_design_pdf(const velmora::FieldSet& fields,
                                             const velmora::part::ElectricalInputs* electrical,
                                             std::string& bytes);
// Ends Qt before the program ends: its application object goes before the libraries it uses.
VELMORA_PDF_ENTRY void velmora_cli_pdf_done();
}
