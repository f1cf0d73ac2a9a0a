// Printing to a real CUPS scheduler (a private one that ctest starts, whose printers write files): the
// print preview lists the system's printers, the printer chosen in its list is the one the job goes to, and
// the page arrives turned as the preview shows it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "chart/chart.h"
#include "chart/chart_series.h"
#include "chartui/window/chart_preview.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "program/program.h"
#include "view/qt_output.h"

namespace fv {
namespace {

std::map<std::string, std::string> ReadEnvFile() {
    std::map<std::string, std::string> vars;
    std::ifstream in(FOLIVEX_CUPS_ENV_FILE);
    for (std::string line; std::getline(in, line);) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'') value = value.substr(1, value.size() - 2);
        vars[line.substr(0, eq)] = value;
    }
    return vars;
}

std::string RunCommand(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// The whole file once the printer has written it: a PDF ends with its end-of-file mark.
std::optional<std::string> WaitForPdf(const std::string& path) {
    for (int i = 0; i < 600; ++i) {
        const std::optional<std::string> bytes = ReadWholeFile(path);
        if (bytes && bytes->size() > 5 && bytes->find("%%EOF", bytes->size() > 64 ? bytes->size() - 64 : 0) != std::string::npos)
            return bytes;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return std::nullopt;
}

TEST(CupsPrinting, ThePrinterChosenInThePreviewPrintsThePageAcross) {
    const std::map<std::string, std::string> env = ReadEnvFile();
    if (env.count("FOLIVEX_CUPS_SKIP")) GTEST_SKIP() << env.at("FOLIVEX_CUPS_SKIP");
    if (!env.count("FOLIVEX_CUPS_PRINTER")) GTEST_SKIP() << "the CUPS scheduler of the tests was not started";
    const std::string chosen = env.at("FOLIVEX_CUPS_PRINTER"), other = env.at("FOLIVEX_CUPS_OTHER");
    const std::string output = env.at("FOLIVEX_CUPS_OUTPUT");
    // The scheduler is found through the environment when the printers are first asked for.
    setenv("CUPS_SERVER", env.at("CUPS_SERVER").c_str(), 1);
    std::filesystem::remove(output);

    QtPrinter printer;
    HeadlessLoop loop{true};
    Application app{loop};
    app.SetPrinter(&printer);
    Program program(app);
    TChart chart(nullptr, "CupsChart");
    chart.SetBounds(0, 0, 300, 200);
    chart.SetView3D(false);
    TChartSeries series;
    for (int i = 0; i < 6; ++i) series.AddPoint(i, i * i);
    chart.AddSeries(series);
    TChartPreview dialog(nullptr, program);
    dialog.ChartPreviewPage->SetBounds(130, 41, 400, 300);
    dialog.ChartPreviewPage->SetImage(&chart);
    dialog.Show();

    const std::vector<std::string> listed = dialog.Printers->Items();
    const auto at = [&](const std::string& name) {
        return int(std::find(listed.begin(), listed.end(), name) - listed.begin());
    };
    ASSERT_LT(at(chosen), int(listed.size())) << "the preview lists the system's printers";
    ASSERT_LT(at(other), int(listed.size()));
    dialog.Printers->UserSelect(at(other));
    EXPECT_EQ(printer.PrinterName, other);
    dialog.Printers->UserSelect(at(chosen));
    EXPECT_EQ(printer.PrinterName, chosen);
    EXPECT_EQ(dialog.Orientation->ItemIndex(), 1) << "the preview opens across";

    dialog.BPrint->Click();
    const std::optional<std::string> pdf = WaitForPdf(output);
    ASSERT_TRUE(pdf) << "nothing arrived at the chosen printer within a minute";
    EXPECT_EQ(pdf->substr(0, 5), "%PDF-");
    const std::string info = RunCommand("pdfinfo '" + output + "' 2>/dev/null");
    if (info.empty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed to read the page";
    double w = 0, h = 0;
    const std::size_t size = info.find("Page size:");
    ASSERT_NE(size, std::string::npos) << info;
    std::sscanf(info.c_str() + size + 10, " %lf x %lf", &w, &h);
    EXPECT_GT(w, h) << "the page is across, as the preview showed it";
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
}

}  // namespace
}  // namespace fv
