#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "register/RegisterQuery.h"
#include "report/BatchReports.h"
#include "report/ReportOutput.h"

namespace vd::report {
namespace {

using test::StoredConclusion;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class BatchReports : public test::ReportFixture {
protected:
    // Three issued conclusions, each with its own expertise and its own size for field 1, and
    // the conditions of the search that found them.
    void ThreeFound() {
        for (int n = 1; n <= 3; ++n) {
            StoredConclusion c = Sample(n, 7);
            c.record.fSize[0] = 7 + n;
            Store(c);
        }
        ws.tdm.SearchConditionRows() = {{"Всего документов: 3", ""},
                                        {"Найдено документов: 3", ""},
                                        {"Список поисковых условий, накладываемых при отборе.", ""},
                                        {"    Год выдачи", "6"},
                                        {"    Выдан (С)", "01.12.2026"},
                                        {"    Эксперт", "Ведров"},
                                        {"    Товар", "Товар*"}};
    }

    std::vector<std::string> RegisterReferences() {
        std::vector<std::string> refs;
        for (int i = 0; i < ws.tdm.ASQM().RowCount(); ++i) refs.push_back(ws.tdm.ASQM().RowAt(i).record.referenceNo);
        return refs;
    }
};

TEST_F(BatchReports, CertificatesComeAfterTheTitlePageFromTheLastRowToTheFirst) {
    ThreeFound();
    const std::vector<std::string> refs = RegisterReferences();
    ASSERT_EQ(refs.size(), 3u);
    const PreparedReport result = PrepareCertificatesForPrint(ws.tdm, TemplateDir());
    ASSERT_EQ(result.pages.size(), 4u);

    const std::string title = result.pages[0].Text();
    for (const char* part : {"Заключения формы ВД на печать", "АРМ №1", "Дата печати: 11.12.2026",
                             "Найдено документов: 3", "Эксперт", "Товар*"}) {
        EXPECT_TRUE(Has(title, part)) << part << "\n" << title;
    }
    // The first rows are the counts and the dates, which the title shows on its own.
    EXPECT_FALSE(Has(title, "Год выдачи"));

    for (std::size_t page = 1; page <= 3; ++page) {
        const PreparedPage& p = result.pages[page];
        const std::string& ref = refs[3 - page];
        const int n = std::stoi(ref.substr(4));
        EXPECT_EQ(p.ItemsOf("dMemo8").at(0)->lines.at(0).text.toStdString(), ref);
        EXPECT_TRUE(Has(p.Text(), "Э-" + std::to_string(n) + "/1")) << ref;
        EXPECT_FALSE(Has(p.Text(), "Э-" + std::to_string(n % 3 + 1) + "/1")) << ref;
        EXPECT_EQ(p.ItemsOf("dMemo1").at(0)->font.pixelSize(), (7 + n) * 10) << ref;
        EXPECT_EQ(p.ItemsOf("pMemo1").at(0)->lines.at(0).text.toStdString(), "Лист 1 из 1");
    }
    EXPECT_EQ(ws.tdm.ASQM().CurrentIndex(), 0);

    const auto pdf = OutputDir() / "certificates-for-print.pdf";
    WritePdf(result, pdf, result.name, 1);
    EXPECT_EQ(PdfPages(pdf), 4);
}

TEST_F(BatchReports, TheListShowsTheFoundConclusionsTheirGoodsAndTheConditions) {
    ThreeFound();
    ws.tdm.ASQM().MoveTo(1);
    const PreparedReport list = PrepareSearchList(ws.tdm, TemplateDir());
    ASSERT_FALSE(list.pages.empty());
    std::string text;
    for (const PreparedPage& page : list.pages) text += page.Text();
    for (const std::string& ref : RegisterReferences()) EXPECT_TRUE(Has(text, ref)) << ref;
    for (const char* part : {"Найдено документов: 3", "Выдан с: 01.12.2026", "выдан", "Товар 2-1", "Товар 3-2",
                             "0004201", "Эксперт", "Товар*", "Список поисковых условий"}) {
        EXPECT_TRUE(Has(text, part)) << part << "\n" << text;
    }
    EXPECT_EQ(ws.tdm.ASQM().CurrentIndex(), 1);  // the user's row stays
}

TEST_F(BatchReports, AFailureIsShownAndLeavesNoResult) {
    ThreeFound();
    std::filesystem::remove(TemplateDir() / "CertsCaption.fr3");
    EXPECT_FALSE(CertificatesForPrint(ws.tdm).has_value());
    ASSERT_FALSE(ws.ui.statusTexts.empty());
    EXPECT_EQ(ws.ui.statusTexts.back(), "Произошла ошибка при добавлении задания в очередь");
    ASSERT_EQ(ws.ui.messages.size(), 1u);
    EXPECT_NE(ws.ui.messages[0].text.find("CertsCaption.fr3"), std::string::npos);
    EXPECT_TRUE(ws.sink.Has(0x40000103));
    EXPECT_TRUE(SearchListForPrint(ws.tdm).has_value());
}

}  // namespace
}  // namespace vd::report
