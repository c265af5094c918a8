// libcups, loaded on first use instead of linked. Kalder needs it only for what Qt's print
// support does not expose (a queue's paper bins and device URI, the status of the job Qt
// submitted), yet a linked libcups and what only it pulls in (gnutls, krb5, p11-kit, nettle,
// gmp ...) would be mapped into every program, even one that only writes PDF files. Qt
// itself does the same: it loads its CUPS plugin when a printer is first asked for.
//
// cupsLibrary() opens "libcups.so.2" on its first call and resolves the functions below; the
// first call may come from any thread, and every later call returns the same answer. The
// library stays loaded for the life of the process, so the pointers never dangle. When the
// library cannot be loaded, or lacks one of the functions, cupsLibrary() returns nullptr and
// the callers behave as when CUPS reports nothing: no bins, no device URI, no job error.
// Nothing here throws.
//
// When Qt's CUPS plugin has loaded libcups, dlopen hands back that same copy, so
// cupsLastError() reads the status of the request Qt made last on the calling thread.
//
// The CUPS headers stay: they give the types and the exact signatures.
#pragma once

#include <cups/cups.h>
#include <cups/ppd.h>

namespace kalder {

struct CupsLibrary {
    decltype(&::cupsGetNamedDest) cupsGetNamedDest;
    decltype(&::cupsGetOption) cupsGetOption;
    decltype(&::cupsFreeDests) cupsFreeDests;
    decltype(&::cupsLastError) cupsLastError;
    decltype(&::cupsLastErrorString) cupsLastErrorString;
    // The PPD interface is the only one libcups has for a queue's input slots with their
    // names; it is marked deprecated in favour of IPP media sources, which PPD-driven queues
    // do not list with their names.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    decltype(&::cupsGetPPD) cupsGetPPD;
    decltype(&::ppdOpenFile) ppdOpenFile;
    decltype(&::ppdFindOption) ppdFindOption;
    decltype(&::ppdClose) ppdClose;
#pragma GCC diagnostic pop
};

// libcups's functions, or nullptr when libcups cannot be loaded.
const CupsLibrary* cupsLibrary() noexcept;

}  // namespace kalder
