#pragma once
// The printed page of the computation: one page titled "Výpočet mzdy" with the date and the
// year's rules, then, for both pages of the window, the inputs and the ticks, every figure as the
// window shows it and how it came about, in two columns. One renderer for the printer and for a
// PDF file; the type is as large as lets everything fit on the one page.

class QDate;
class QPagedPaintDevice;
class QString;

namespace platomer {
class TKalkulajda;

// A4 upright with the page's margins, set on a printer before its dialog or on a PDF file.
void prepareReportPage(QPagedPaintDevice& device);
// Paints the page on the device as it is set up. False, with nothing painted, when not even the
// smallest type fits the device's page (never on A4).
bool paintReportPage(const TKalkulajda& form, QPagedPaintDevice& device, const QDate& date);
// Writes the page to a PDF file of one A4 page; false when the file cannot be written.
bool writeReportPdf(const TKalkulajda& form, const QString& file, const QDate& date);

}  // namespace platomer
