#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DocumentFixture.h"
#include "core/MasterRecord.h"

namespace vd::test {

// A conclusion as the tests store it: the master row, its goods lines and expertise acts.
struct StoredConclusion {
    MasterRecord record;
    std::vector<GoodsLine> goods;
    std::vector<ExpertiseRef> expertise;
};

// The workstation of DocumentFixture with the program's templates in its data folder.
class ReportFixture : public DocumentFixture {
protected:
    void SetUp() override;

    // A filled-in conclusion of the logged-in expert numbered `n`, with `goodsLines` goods lines.
    StoredConclusion Sample(int n, int status, int goodsLines = 2) const;
    // Writes it and makes it the register's current row; its reference number.
    std::string Store(const StoredConclusion& conclusion);

    // The text pdftotext finds in a PDF (all pages, or page `page` from 1).
    static std::string PdfText(const std::filesystem::path& pdf, int page = 0);
    static int PdfPages(const std::filesystem::path& pdf);
    static std::string PdfTitle(const std::filesystem::path& pdf);
    // Where the run keeps files for a person to look at.
    static std::filesystem::path OutputDir();

    std::filesystem::path TemplateDir() const { return ws.paths.DataDir(); }
};

}  // namespace vd::test
