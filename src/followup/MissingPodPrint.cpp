#include "followup/MissingPodPrint.h"

#include "core/ModuleState.h"
#include "core/PaperForms.h"

#include "platform/spooler/Printer.h"
#include "platform/spooler/Spooler.h"

namespace followup {

void printLetter(const QList<LetterLine>& lines)
{
    spooler::Printer& printer = spooler::Printer::current();
    spooler::SelectPaperForm(printer.deviceName(), QLatin1String(core::kFormNVX2.name), 0);
    for (const LetterLine& line : lines) {
        if (line.font == LetterFont::Pitch10)
            printer.setFontName(core::gstrFont10cpi);
        else if (line.font == LetterFont::Pitch5)
            printer.setFontName(core::gstrFont5cpi);
        printer.setCurrentY(printer.currentY() + line.gapTwips);
        printer.print(line.text);
    }
    printer.endDoc();
}

} // namespace followup
