#include "platform/spooler/FormStore.h"

#include "platform/paths/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTextStream>
#include <algorithm>

namespace spooler {
namespace {

struct PrinterForms {
    QString printerName;
    QList<PaperForm> forms;
};

QString storeFile() { return paths::installationRoot() + QStringLiteral("/spooler/forms.ini"); }

// A form line "name=width,height"; the name may itself hold '=' or ','.
bool parseForm(const QString& line, PaperForm& form)
{
    const qsizetype equals = line.lastIndexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    const QStringList size = line.mid(equals + 1).split(QLatin1Char(','));
    if (size.size() != 2)
        return false;
    bool widthRead = false;
    bool heightRead = false;
    form.name = line.left(equals);
    form.size = {size[0].trimmed().toInt(&widthRead), size[1].trimmed().toInt(&heightRead)};
    return widthRead && heightRead;
}

QList<PrinterForms> readStore()
{
    QList<PrinterForms> printers;
    QFile file(storeFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return printers;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        PaperForm form;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            printers.append({line.mid(1, line.size() - 2), {}});
        else if (!printers.isEmpty() && parseForm(line, form))
            printers.last().forms.append(form);
    }
    return printers;
}

bool writeStore(const QList<PrinterForms>& printers)
{
    QSaveFile file(storeFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const PrinterForms& printer : printers) {
        out << '[' << printer.printerName << "]\n";
        for (const PaperForm& form : printer.forms)
            out << form.name << '=' << form.size.width << ',' << form.size.height << '\n';
        out << '\n';
    }
    out.flush();
    return file.commit();
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QList<PaperForm> storedForms(const QString& printerName)
{
    for (const PrinterForms& printer : readStore())
        if (sameName(printer.printerName, printerName))
            return printer.forms;
    return {};
}

std::optional<PaperForm> storedForm(const QString& printerName, const QString& formName)
{
    for (const PaperForm& form : storedForms(printerName))
        if (sameName(form.name, formName))
            return form;
    return std::nullopt;
}

bool storeForm(const QString& printerName, const PaperForm& form)
{
    // another copy of the program may be adding forms at the same moment
    if (!QDir().mkpath(QFileInfo(storeFile()).path()))
        return false;
    QLockFile lock(storeFile() + QStringLiteral(".lock"));
    if (!lock.tryLock(5000))
        return false;

    QList<PrinterForms> printers = readStore();
    auto printer = std::find_if(printers.begin(), printers.end(),
                                [&](const PrinterForms& p) { return sameName(p.printerName, printerName); });
    if (printer == printers.end()) {
        printers.append({printerName, {}});
        printer = printers.end() - 1;
    }
    for (const PaperForm& existing : printer->forms)
        if (sameName(existing.name, form.name))
            return false;
    printer->forms.append(form);
    return writeStore(printers);
}

} // namespace spooler
