#include "pdf_maker.h"

#include "calc_error.h"
#include "cli_failure.h"
#include "curve_sampling.h"
#include "design_pdf.h"
#include "messages.h"
#include "system_files.h"

#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace velmora::cli {

PdfMaker::~PdfMaker() {
  if (done_ != nullptr) done_();
}

std::string PdfMaker::Make(const FieldSet& fields, const std::string& path) {
  if (make_ == nullptr) Load(path);
  std::string bytes;
  const part::ElectricalInputs* electrical = electrical_ ? &*electrical_ : nullptr;
  switch (static_cast<PdfOutcome>(make_(fields, electrical, bytes))) {
    case PdfOutcome::Made:
      return bytes;
    case PdfOutcome::NoSurface:
      throw CalcError();
    case PdfOutcome::TooManyPoints:
      throw TooManyPoints();
  }
  throw CalcError();
}

#ifdef _WIN32

void PdfMaker::Load(const std::string&) {
  make_ = velmora_cli_design_pdf;
  done_ = velmora_cli_pdf_done;
}

#else

void PdfMaker::Load(const std::string& path) {
  // In a build tree the module lies beside the program; installed, in the package's own folder.
  const std::string folder = ProgramFolder() + '/';
  std::string module = folder + VELMORA_PDF_MODULE;
  if (access(module.c_str(), F_OK) != 0) module = folder + VELMORA_PDF_MODULE_FROM_PROGRAM;
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  void* make = handle != nullptr ? dlsym(handle, "velmora_cli_design_pdf") : nullptr;
  void* done = handle != nullptr ? dlsym(handle, "velmora_cli_pdf_done") : nullptr;
  if (make == nullptr || done == nullptr) {
    const char* reason = dlerror();
    throw CliFailure{
        Exit::FileNotWritten,
        Say(phrase::kCannotMake,
            {path, Say(phrase::kNoPdfMaker, {module, reason != nullptr ? reason : ""})})};
  }
  make_ = reinterpret_cast<MakeFunction>(make);
  done_ = reinterpret_cast<DoneFunction>(done);
}

#endif

}  // namespace velmora::cli
