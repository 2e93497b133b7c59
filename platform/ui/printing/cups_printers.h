// The system's printers through CUPS: the destinations it knows, and a PDF
// file handed to one of them as a print job.
#pragma once

#include <string>
#include <vector>

#include "platform/base/ansi_string.h"

struct TCupsDestination {
    AnsiString Name;  // GBK
    bool IsDefault = false;
};

// The destinations, the default one first; none when CUPS is not there.
std::vector<TCupsDestination> CupsDestinations();

// Submits PdfFile as one job under Title; raises EPrinter with CUPS's own
// reason when the job is refused.
void SubmitToCups(const AnsiString& Destination, const AnsiString& PdfFile, const AnsiString& Title, int Copies);
