#pragma once

#include "followup/MissingPodLetter.h"

#include <QList>

// Printing the follow-up letter in text mode on the application's printer.
namespace followup {

// Selects the paper form "NVX2" (a printer without it keeps its paper), prints the lines from the
// top of a new sheet in the resident draft fonts named at start-up and releases the document.
// Throws runtime::RuntimeError(PrinterError) when there is no printer or it cannot print.
void printLetter(const QList<LetterLine>& lines);

} // namespace followup
