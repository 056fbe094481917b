#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "ReportFixture.h"
#include "core/EventIds.h"
#include "register/PrintRules.h"
#include "register/RegisterQuery.h"
#include "register/ReportMessages.h"
#include "report/ConclusionReport.h"
#include "report/PrintJob.h"
#include "report/ReportOutput.h"
#include "report/TemplateReader.h"
#include "report/TextLayout.h"
#include "support/Files.h"

namespace vd::report {
namespace {

using test::StoredConclusion;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// The size automatic fitting must choose for one object: the largest from 10 down to 6 at
// which its text fits, by the engine's own measure.
int ExpectedFit(const ReportObject& object, const std::string& text) {
    for (const int size : {10, 9, 8, 7, 6}) {
        if (NeededHeight(object, text, size) <= object.height) return size;
    }
    return 6;
}

class Conclusion : public test::ReportFixture {
protected:
    // What the template's object measures against, read from the shipped file.
    ReportObject TemplateObject(const std::string& name) {
        return *ReadTemplate(TemplateDir() / "VD.fr3").FindObject(name);
    }

    std::vector<std::string> StoredSizes(const std::string& ref) {
        return Rows("select fSize1, fSize2, fSize3, fSize4, fSize5, fSize6, fSize7, fSize8, fSize9, fSize10 "
                    "from mcod where ReferenceNo = '" + ref + "'")[0];
    }

    void PrintOrFail(ConclusionReport& view, PrintMode mode, const std::filesystem::path& pdf, int copies = 1) {
        const PrintOutcome outcome = SendToPrint(ws.tdm, view, mode, copies, PrintTarget{pdf, {}});
        ASSERT_TRUE(outcome.queued) << outcome.hintLine << " / " << (ws.ui.messages.empty() ? "" : ws.ui.messages.back().text);
        EXPECT_EQ(outcome.hintLine, text::kJobQueued);
    }
};

TEST_F(Conclusion, EachPrintModeCarriesWhatItsPaperNeeds) {
    StoredConclusion c = Sample(1, 7, 3);
    const std::string ref = Store(c);
    ws.session.readOnlyView = ReadOnlyViewFor(ws.tdm);
    ConclusionReport view(ws.tdm);

    const auto copyPdf = OutputDir() / "conclusion-copy.pdf";
    const auto blankPdf = OutputDir() / "conclusion-blank.pdf";
    const auto imprintPdf = OutputDir() / "conclusion-imprint.pdf";
    PrintOrFail(view, PrintMode::Copy, copyPdf);
    PrintOrFail(view, PrintMode::Blank, blankPdf);
    PrintOrFail(view, PrintMode::Imprint, imprintPdf);

    // Kept for a person to look at: the copy as a picture of its first page.
    view.LoadForPrinting();
    RenderPage(view.Prepare().pages.at(0), 150).save(QString::fromStdString((OutputDir() / "conclusion-copy.png").string()));

    const std::vector<std::string> design = {"ЗАКЛЮЧЕНИЕ", "о статусе товара, произведённого в СЭЗ",
                                             "или на свободном складе,", "формы ВД", "1. Заявитель",
                                             "3. Дополнительные сведения", "5. Описание товара", "Бланк №"};
    const std::vector<std::string> fields = {"Северный лес 1", "г. Вологда, ул. Мира, д. 1", "Служебная отметка 1",
                                             "Товар 1-1", "Товар 1-3", "Счёт-фактура № 2", "Вологодская",
                                             "Иванов Иван Иванович", "10.12.2026", "Э-1/1"};
    const std::vector<std::string> imprint = {ref, "06.12.2026", "07.12.2026", "09.12.2026", "Петров Пётр Петрович"};
    const std::string blankNumber = "0004201";

    const std::string copy = PdfText(copyPdf);
    for (const auto& part : design) EXPECT_TRUE(Has(copy, part)) << "copy lacks " << part << "\n" << copy;
    for (const auto& part : fields) EXPECT_TRUE(Has(copy, part)) << "copy lacks " << part;
    for (const auto& part : imprint) EXPECT_TRUE(Has(copy, part)) << "copy lacks " << part;
    EXPECT_TRUE(Has(copy, blankNumber));

    const std::string blank = PdfText(blankPdf);
    for (const auto& part : design) EXPECT_FALSE(Has(blank, part)) << "blank shows " << part << "\n" << blank;
    EXPECT_FALSE(Has(blank, blankNumber));
    for (const auto& part : fields) EXPECT_TRUE(Has(blank, part)) << "blank lacks " << part;
    for (const auto& part : imprint) EXPECT_TRUE(Has(blank, part)) << "blank lacks " << part;

    const std::string number = PdfText(imprintPdf);
    for (const auto& part : imprint) EXPECT_TRUE(Has(number, part)) << "imprint lacks " << part << "\n" << number;
    for (const auto& part : design) EXPECT_FALSE(Has(number, part)) << "imprint shows " << part;
    for (const auto& part : fields) EXPECT_FALSE(Has(number, part)) << "imprint shows " << part;
    EXPECT_FALSE(Has(number, blankNumber));
}

TEST_F(Conclusion, VisibilityPerModeOnTheShippedTemplate) {
    Store(Sample(1, 7));
    ConclusionReport view(ws.tdm);
    view.LoadForPrinting();
    const auto visible = [&](const char* name) { return view.Template().FindObject(name)->visible; };
    struct Case {
        CertMode mode;
        bool design, blankNumber, declarant, goods, page, reference, declarator;
    };
    for (const Case& c : {Case{CertMode::View, true, true, true, true, true, true, true},
                          Case{CertMode::Blank, false, false, true, true, true, true, true},
                          Case{CertMode::Imprint, false, false, false, false, false, true, true}}) {
        view.SetCertForPrint(c.mode);
        const int mode = static_cast<int>(c.mode);
        EXPECT_EQ(visible("obj_1"), c.design) << mode;
        EXPECT_EQ(visible("obj_32"), c.design) << mode;
        EXPECT_EQ(visible("dMemo0"), c.blankNumber) << mode;
        EXPECT_EQ(visible("dMemo1"), c.declarant) << mode;
        EXPECT_EQ(visible("dMemo15"), c.declarant) << mode;
        EXPECT_EQ(visible("gMemo6"), c.goods) << mode;
        EXPECT_EQ(visible("pMemo1"), c.page) << mode;
        for (const char* name : {"dMemo8", "dMemo11", "dMemo12", "dMemo14"}) EXPECT_EQ(visible(name), c.reference) << name;
        EXPECT_EQ(visible("dMemo13"), c.declarator) << mode;
    }
}

TEST_F(Conclusion, TheThreeModesPutEveryTextAtTheSameSpot) {
    StoredConclusion c = Sample(1, 7, 40);
    for (std::size_t i = 0; i < c.goods.size(); i += 4) c.goods[i].descriptionGoods += " с длинным описанием товара, которое займёт в своей колонке не одну строку";
    Store(c);
    ConclusionReport view(ws.tdm);
    view.LoadForPrinting();
    std::vector<PreparedReport> prepared;
    for (const CertMode mode : {CertMode::View, CertMode::Blank, CertMode::Imprint}) {
        view.SetCertForPrint(mode);
        prepared.push_back(view.Prepare());
    }
    ASSERT_GT(prepared[0].pages.size(), 1u);
    for (std::size_t m = 1; m < prepared.size(); ++m) {
        ASSERT_EQ(prepared[m].pages.size(), prepared[0].pages.size()) << m;
        for (std::size_t p = 0; p < prepared[0].pages.size(); ++p) {
            for (const char* name : {"dMemo8", "dMemo11", "dMemo13"}) {
                EXPECT_EQ(prepared[m].pages[p].ItemsOf(name).at(0)->rect, prepared[0].pages[p].ItemsOf(name).at(0)->rect)
                    << name << " page " << p;
            }
        }
    }
}

TEST_F(Conclusion, AutomaticFittingTakesTheLargestSizeAtWhichTheTextFits) {
    StoredConclusion c = Sample(2, 6);
    c.record.declarant = "ООО \"Лес\"";
    c.record.address = "160000, Российская Федерация, Вологодская область, город Вологда, улица Мира, дом 1, "
                       "корпус 2, строение 3, офис 45, этаж 6, вход со двора через арку, второй подъезд налево, "
                       "для почтовых отправлений: абонентский ящик 17 в отделении связи на улице Ленина";
    c.record.supportInfo = Repeated("ж", 3000);
    const std::string ref = Store(c);
    const int addressFit = ExpectedFit(TemplateObject("dMemo2"), c.record.address);
    ASSERT_GT(addressFit, 6) << "the address must fit at some size above 6 for this case to say anything";
    ASSERT_LT(addressFit, 10);
    ASSERT_EQ(ExpectedFit(TemplateObject("dMemo1"), c.record.declarant), 10);

    ConclusionReport view(ws.tdm);
    view.ShowCurrent();  // "Автоподбор" is on unless the user stored "False"
    // Field 1: the short declarant would keep 10; both take the address's smaller size.
    EXPECT_EQ(view.ObjectSize("dMemo1"), addressFit);
    EXPECT_EQ(view.ObjectSize("dMemo2"), addressFit);
    // Nothing fits: the size stays 6.
    EXPECT_EQ(view.ObjectSize("dMemo4"), 6);
    for (const char* name : {"dMemo13", "dMemo14", "dMemo9", "dMemo7", "dMemo10", "dMemo12", "dMemo15"}) {
        EXPECT_EQ(view.ObjectSize(name), 10) << name;
    }
    for (const int field : {1, 2, 3, 9, 10}) EXPECT_EQ(view.Mark(field), SizeChoice::Automatic()) << field;
    EXPECT_TRUE(view.CanSave());
    // The stored sizes stay as they were until "Сохранить".
    EXPECT_EQ(StoredSizes(ref), std::vector<std::string>(10, "10"));
    const auto notes = ws.sink.WithId(event::kFileStep);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back().strings, std::vector<std::string>{"установили_1 dMemo7.Font.Size=10"});
    EXPECT_EQ(notes.back().category, EventCategory::Report);

    // A size chosen by hand for one field; automatic again gives the fitted size back.
    view.ChooseSize(1, SizeChoice::Fixed(9));
    EXPECT_EQ(view.ObjectSize("dMemo1"), 9);
    EXPECT_EQ(view.ObjectSize("dMemo2"), 9);
    view.ChooseSize(1, SizeChoice::Automatic());
    EXPECT_EQ(view.ObjectSize("dMemo2"), addressFit);
    view.ChooseSize(8, SizeChoice::Fixed(7));
    EXPECT_EQ(view.ObjectSize("gMemo6"), 7);
    EXPECT_EQ(view.Mark(8), SizeChoice::Fixed(7));

    // "Сохранить" stores what the view shows: field 2 keeps the number's own size.
    EXPECT_EQ(view.SaveSizes(), SaveSizesResult::Saved);
    const std::string fit = std::to_string(addressFit);
    EXPECT_EQ(StoredSizes(ref), (std::vector<std::string>{fit, "12", "6", "10", "10", "10", "10", "7", "10", "10"}));
    EXPECT_EQ(ws.tdm.ASQM().Current()->record.referenceNo, ref);
}

TEST_F(Conclusion, StoredSizesAreAppliedWithTheirMenuMarks) {
    StoredConclusion c = Sample(3, 7);
    c.record.fSize = {12, 11, 3, 0, 7, 2, 9, 6, 5, 8};
    Store(c);
    ConclusionReport view(ws.tdm);
    view.ShowCurrent();  // issued: stored sizes even though "Автоподбор" is on
    EXPECT_EQ(view.AppliedFontSizes(), (std::vector<int>{10, 10, 3, 10, 7, 2, 9, 6, 5, 8}));
    struct Case {
        const char* object;
        int size;
    };
    for (const Case& e : {Case{"dMemo1", 10}, Case{"dMemo2", 10}, Case{"dMemo8", 12}, Case{"dMemo4", 3}, Case{"gMemo1", 10},
                          Case{"gMemo2", 7}, Case{"gMemo3", 2}, Case{"gMemo4", 9}, Case{"gMemo6", 6}, Case{"dMemo13", 5},
                          Case{"dMemo14", 5}, Case{"dMemo9", 8}, Case{"dMemo7", 8}, Case{"dMemo15", 8}}) {
        EXPECT_EQ(view.ObjectSize(e.object), e.size) << e.object;
    }
    EXPECT_EQ(view.Mark(1), SizeChoice::Fixed(10));  // a stored 12 is shown and printed as 10
    EXPECT_EQ(view.Mark(3), SizeChoice::Automatic());
    EXPECT_EQ(view.Mark(9), SizeChoice::Automatic());
    EXPECT_EQ(view.Mark(6), std::nullopt);  // no "Автоматически" entry to mark
    EXPECT_EQ(view.Mark(5), SizeChoice::Fixed(7));
    EXPECT_FALSE(view.CanSave());
    EXPECT_EQ(view.SaveSizes(), SaveSizesResult::NotProject);
    EXPECT_EQ(ws.sink.WithId(event::kFileStep).back().strings, std::vector<std::string>{"установили_2 dMemo7.Font.Size=8"});
}

TEST_F(Conclusion, APrintedProjectUsesItsStoredSizesNotTheFittedOrChosenOnes) {
    StoredConclusion c = Sample(4, 6);
    c.record.address = Repeated("а", 900);
    c.record.fSize = {9, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    Store(c);
    ConclusionReport view(ws.tdm);
    view.ShowCurrent();
    ASSERT_LT(*view.ObjectSize("dMemo2"), 9);
    view.ChooseSize(3, SizeChoice::Fixed(6));  // an unsaved choice

    PrintOrFail(view, PrintMode::Copy, OutputDir() / "project-copy.pdf");
    EXPECT_EQ(view.ObjectSize("dMemo1"), 9);
    EXPECT_EQ(view.ObjectSize("dMemo2"), 9);
    EXPECT_EQ(view.ObjectSize("dMemo4"), 10);
    // What went to the paper: the prepared page's fonts (sizes in tenths of a point).
    const PreparedReport printed = view.Prepare();
    EXPECT_EQ(printed.pages[0].ItemsOf("dMemo2").at(0)->font.pixelSize(), 90);
    EXPECT_EQ(printed.pages[0].ItemsOf("dMemo4").at(0)->font.pixelSize(), 100);
}

TEST_F(Conclusion, TheSizeCheckCatchesASizeChangedAfterItWasApplied) {
    Store(Sample(5, 7));
    ConclusionReport view(ws.tdm);
    view.LoadForPrinting();
    EXPECT_NO_THROW(view.VerifySizes());
    view.ChooseSize(2, SizeChoice::Fixed(6));  // field 2 is never applied, so never checked
    EXPECT_NO_THROW(view.VerifySizes());
    view.ChooseSize(7, SizeChoice::Fixed(6));
    try {
        view.VerifySizes();
        ADD_FAILURE() << "a changed size passed";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "пропал размер шрифта (PrintReport)");
    }
}

TEST_F(Conclusion, FortyGoodsLinesRunOverPagesWholeAndEveryPageCarriesTheNumber) {
    StoredConclusion c = Sample(6, 7, 40);
    for (std::size_t i = 0; i < c.goods.size(); ++i) {
        if (i % 5 == 2) {
            c.goods[i].descriptionGoods += ": пиломатериалы хвойных пород обрезные, высушенные, в пакетах на поддонах, "
                                           "обвязанные стальной лентой";
        }
    }
    const std::string ref = Store(c);
    ConclusionReport view(ws.tdm);
    view.LoadForPrinting();
    const PreparedReport prepared = view.Prepare();
    ASSERT_GE(prepared.pages.size(), 2u);

    // Where goods lines may stand: below the upper part, above the footer.
    const double goodsTop = 10 + 108;
    const double goodsBottom = goodsTop + 87;
    std::multiset<std::string> descriptions;
    for (std::size_t p = 0; p < prepared.pages.size(); ++p) {
        const PreparedPage& page = prepared.pages[p];
        for (const char* name : {"dMemo8", "dMemo11"}) {
            ASSERT_EQ(page.ItemsOf(name).size(), 1u) << name;
            EXPECT_EQ(page.ItemsOf(name)[0]->lines.at(0).text.toStdString(), ref) << name << " page " << p;
        }
        EXPECT_EQ(page.ItemsOf("pMemo1").at(0)->lines.at(0).text.toStdString(),
                  "Лист " + std::to_string(p + 1) + " из " + std::to_string(prepared.pages.size()));
        for (const PageItem* item : page.ItemsOf("gMemo2")) {
            EXPECT_GE(item->rect.top(), goodsTop - 1e-9);
            EXPECT_LE(item->rect.bottom(), goodsBottom + 1e-9);
            std::string text;
            for (const TextLine& line : item->lines) text += (text.empty() ? "" : " ") + line.text.toStdString();
            descriptions.insert(text);
        }
    }
    ASSERT_EQ(descriptions.size(), 40u);
    for (const GoodsLine& line : c.goods) EXPECT_EQ(descriptions.count(line.descriptionGoods), 1u) << line.descriptionGoods;

    const auto pdf = OutputDir() / "conclusion-40-lines.pdf";
    ws.session.readOnlyView = ReadOnlyViewFor(ws.tdm);
    PrintOrFail(view, PrintMode::Blank, pdf);
    ASSERT_EQ(PdfPages(pdf), static_cast<int>(prepared.pages.size()));
    for (int p = 1; p <= PdfPages(pdf); ++p) EXPECT_TRUE(Has(PdfText(pdf, p), ref)) << "page " << p;
}

TEST_F(Conclusion, OffsetsMoveEverythingOnceHoweverOftenThePreparationRuns) {
    Store(Sample(7, 7));
    ConclusionReport view(ws.tdm);
    view.LoadForPrinting();
    const PreparedReport plain = view.Prepare();
    ws.tdm.Options().SetUdLeft(5);
    ws.tdm.Options().SetUdTop(-3);
    view.PrepareTemplate();
    view.PrepareTemplate();
    EXPECT_DOUBLE_EQ(view.Template().FindPage("Page1")->left, 20);
    EXPECT_DOUBLE_EQ(view.Template().FindPage("Page1")->top, 7);
    EXPECT_DOUBLE_EQ(view.Template().FindBand("PageFooter1")->height, 280.0 - 108 - 87);
    const PreparedReport moved = view.Prepare();
    for (const char* name : {"dMemo1", "dMemo11", "gMemo2", "dMemo12"}) {
        const QRectF before = plain.pages[0].ItemsOf(name).at(0)->rect;
        const QRectF after = moved.pages[0].ItemsOf(name).at(0)->rect;
        EXPECT_NEAR(after.left() - before.left(), 5, 1e-9) << name;
        EXPECT_NEAR(after.top() - before.top(), -3, 1e-9) << name;
    }
}

TEST_F(Conclusion, ABrokenTemplateIsReportedAndRaisedAsTheEnginesFailure) {
    Store(Sample(8, 7));
    std::string xml = ReadFileBytes(TemplateDir() / "VD.fr3");
    const std::size_t at = xml.find("name=\"obj_7\"");
    ASSERT_NE(at, std::string::npos);
    xml.replace(at, 12, "name=\"obj_77\"");
    WriteFileAtomically(TemplateDir() / "VD.fr3", xml);
    ConclusionReport view(ws.tdm);
    try {
        view.ShowCurrent();
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "не работает frxReport.Engine");
    }
    const auto errors = ws.sink.WithId(event::kUnexpectedFailure);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].strings, (std::vector<std::string>{"[Ведров]FormView.TfView.aSetSpaceExecute",
                                                           "в шаблоне нет объекта obj_7"}));
}

TEST_F(Conclusion, AnEmptyRegisterShowsTheBlankFormWithoutData) {
    ws.tdm.ASQM().Open();
    ConclusionReport view(ws.tdm);
    view.ShowCurrent();
    EXPECT_FALSE(view.HasDocument());
    EXPECT_TRUE(view.AppliedFontSizes().empty());
    const PreparedReport prepared = view.Prepare();
    ASSERT_EQ(prepared.pages.size(), 1u);
    const std::string text = prepared.pages[0].Text();
    EXPECT_TRUE(Has(text, "ЗАКЛЮЧЕНИЕ"));
    EXPECT_TRUE(prepared.pages[0].ItemsOf("dMemo1").at(0)->lines.empty());
    EXPECT_TRUE(prepared.pages[0].ItemsOf("gMemo2").empty());
}

}  // namespace
}  // namespace vd::report
