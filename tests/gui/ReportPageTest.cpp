// The printed page, rendered to a PDF file by the renderer the print dialog uses and read back
// as text: one A4 page with its title, the date and the year's rules, and every figure of both
// pages beside its label as the window shows it, with the inputs and the ticks.
#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "explain/ComputationText.h"
#include "explain/Explanation.h"
#include "ui/figures/ReportPage.h"

namespace platomer {

namespace {

// The output of a poppler tool, or nothing when it is missing or fails.
std::optional<QString> poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ReportPage : public WindowFixture {
protected:
    // The page as text with its layout: a label and the figure beside it stay on one line.
    QString printedText()
    {
        const QString pdf = dir.filePath("page.pdf");
        EXPECT_TRUE(writeReportPdf(*form, pdf, QDate(2023, 3, 15)));
        // pdfinfo comes with pdftotext.
        const QString info = poppler("pdfinfo", {pdf}).value_or(QString());
        EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
        EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
        return poppler("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"}).value_or(QString());
    }
    // Every line of a page's computation (inputs, ticks, figures) appears as its label followed by
    // what the control shows.
    void expectEveryLine(const QString& text, int page)
    {
        for (const ExplanationLine& line : computation(*form, page)) {
            const QString pattern = QRegularExpression::escape(QString::fromStdString(line.label)) + "\\s+" +
                                    QRegularExpression::escape(QString::fromStdString(line.shown)) + "(\\s|$)";
            EXPECT_TRUE(text.contains(QRegularExpression(pattern, QRegularExpression::MultilineOption)))
                << line.control << ": " << line.label << " " << line.shown;
        }
    }
    bool havePdfToText() const { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

    QTemporaryDir dir;
};

TEST_F(ReportPage, OneA4PageWithEveryFigureOfBothPagesBesideItsLabel)
{
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is missing: install poppler-utils (scripts/setup.sh does)";
    // A wage with children, so that the bonus and the child advantage have figures, and a
    // garnishment with dependants.
    click("EdHruba");
    typeText("45000");
    click("ChckBxDeti1");
    click("ChckBxDeti2z");
    clickTab(1);
    click("EdExekCm");
    typeText("40000");
    press(Qt::Key_Tab);
    typeText("2");
    press(Qt::Key_Tab);
    const QString text = printedText();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.startsWith(QString::fromUtf8("Výpočet mzdy")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("pravidla roku 2023")));
    EXPECT_TRUE(text.contains("15. 3. 2023"));
    expectEveryLine(text, 0);
    expectEveryLine(text, 1);
    // The explanations are there with their numbers.
    EXPECT_TRUE(text.contains(QString::fromUtf8("6,5 % z hrubé mzdy 45 000 Kč = 2 925 Kč")));
    EXPECT_EQ(recorded.str(), "");
}

// Large figures and the longest notes (a net no gross reaches) still fit the one page.
TEST_F(ReportPage, TheLongestExplanationsStillFitOnePage)
{
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is missing: install poppler-utils (scripts/setup.sh does)";
    click("EdCista");
    typeText("1999999999");
    press(Qt::Key_Return);
    click("CHckBPodpis");
    for (const char* box : {"ChckBxDeti1", "ChckBxDeti2", "ChckBxDeti3", "ChckBxDeti4"})
        click(box);
    const QString text = printedText();
    ASSERT_FALSE(text.isEmpty());
    expectEveryLine(text, 0);
    expectEveryLine(text, 1);
}

TEST_F(ReportPage, AFileThatCannotBeWrittenIsRefused)
{
    EXPECT_FALSE(writeReportPdf(*form, dir.filePath("missing/dir/page.pdf"), QDate(2023, 1, 1)));
}

}  // namespace platomer
