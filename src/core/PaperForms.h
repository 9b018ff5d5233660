#pragma once

#include <QString>
#include <array>

// The four paper forms the program prints on, installed on the current printer at every login.
namespace core {

struct PaperFormSpec {
    const char* name;
    qint32 width;  // thousandths of a millimetre
    qint32 height; // thousandths of a millimetre
};

inline constexpr PaperFormSpec kFormNVX1{"NVX1", 254000, 101600}; // 10 x 4 inches
inline constexpr PaperFormSpec kFormNVX2{"NVX2", 254000, 152400}; // 10 x 6 inches: the follow-up letter
inline constexpr PaperFormSpec kFormNVX3{"NVX3", 254000, 304800}; // 10 x 12 inches
inline constexpr PaperFormSpec kFormNVX4{"NVX4", 381000, 304800}; // 15 x 12 inches
inline constexpr std::array<PaperFormSpec, 4> kPaperForms{kFormNVX1, kFormNVX2, kFormNVX3, kFormNVX4};

// Makes sure the application's printer has the named form of the table (compared case-insensitively),
// adding it with the table's size when it has none; a form that cannot be added is passed over.
// Throws runtime::RuntimeError(PrinterError) when there is no printer, and std::invalid_argument
// for a name the table does not hold.
void InstallPaperForm(const QString& formName, qint32 windowHandle);

} // namespace core
