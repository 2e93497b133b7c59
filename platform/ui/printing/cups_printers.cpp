// CUPS destinations and job submission. Names and titles are GBK in the
// program and UTF-8 for CUPS.
#include "platform/ui/printing/cups_printers.h"

#include <cups/cups.h>

#include <algorithm>
#include <string>

#include "platform/base/code_page.h"
#include "platform/ui/printing/printer.h"

std::vector<TCupsDestination> CupsDestinations()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<TCupsDestination> result;
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance)
            result.push_back({Utf8ToGbk(dests[i].name), dests[i].is_default != 0});
    cupsFreeDests(count, dests);
    std::stable_partition(result.begin(), result.end(), [](const TCupsDestination& d) { return d.IsDefault; });
    return result;
}

void SubmitToCups(const AnsiString& Destination, const AnsiString& PdfFile, const AnsiString& Title, int Copies)
{
    cups_option_t* options = nullptr;
    int count = cupsAddOption("document-format", "application/pdf", 0, &options);
    if (Copies > 1)
        count = cupsAddOption("copies", std::to_string(Copies).c_str(), count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, GbkToUtf8(Destination).c_str(), GbkToUtf8(PdfFile).c_str(),
                                   GbkToUtf8(Title).c_str(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        throw EPrinter("打印机 " + Destination + " 拒绝了打印任务: " + Utf8ToGbk(cupsLastErrorString()));
}
