#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <map>
#include <set>

#include "Process.h"
#include "TempDir.h"
#include "register/FontSizes.h"
#include "report/QtTextCanvas.h"
#include "report/ReportEngine.h"
#include "report/ReportOutput.h"
#include "report/TemplateReader.h"
#include "report/TextLayout.h"

namespace vd::report {
namespace {

// Rows of one source "rows": code 1 is the row's text, code 2 its number; code 9 a fixed text.
class TableData : public ReportData {
public:
    explicit TableData(std::vector<std::string> rows) : rows_(std::move(rows)) {}
    int RowCount(std::string_view source) override { return source == "rows" ? static_cast<int>(rows_.size()) : 0; }
    void SelectRow(std::string_view, int row) override { row_ = row; }
    std::string TextOfObj(int code) override {
        if (code == 9) return "Шапка";
        if (row_ < 0) return {};
        if (code == 1) return rows_[static_cast<std::size_t>(row_)];
        if (code == 2) return std::to_string(row_ + 1);
        return {};
    }
    std::string Today() override { return "11.12.2026"; }

private:
    std::vector<std::string> rows_;
    int row_ = -1;
};

// A page with 100 mm for rows between a 20 mm header and a 20 mm footer.
constexpr const char* kListTemplate = R"(<?xml version="1.0" encoding="UTF-8"?>
<report name="Список" font="Liberation Serif" size="10">
  <page name="Page1" width="100" height="160" left="10" top="10" right="10" bottom="10">
    <band name="Head" kind="pageHeader" height="20">
      <text name="HeadText" x="0" y="0" width="80" height="8">[GetTextOfObj(9);] от [Date]</text>
    </band>
    <band name="Rows" kind="data" source="rows" height="6">
      <text name="Number" x="0" y="0" width="10" height="6" frame="all" stretch="band">[GetTextOfObj(2);]</text>
      <text name="Body" x="10" y="0" width="70" height="6" stretch="grow">[GetTextOfObj(1);]</text>
    </band>
    <band name="Foot" kind="pageFooter" height="20">
      <text name="PageNo" x="0" y="10" width="80" height="6" align="right">Лист [Page] из [Pages]</text>
    </band>
  </page>
</report>)";

Report ListTemplate() { return ParseTemplate(kListTemplate, "list.fr3"); }

double Bottom(const PageItem& item) { return item.rect.bottom(); }

TEST(TemplateReader, ReadsPagesBandsAndObjectsWithTheirDefaults) {
    const Report report = ListTemplate();
    EXPECT_EQ(report.name, "Список");
    ASSERT_EQ(report.pages.size(), 1u);
    const Page& page = report.pages[0];
    EXPECT_EQ(page.name, "Page1");
    EXPECT_DOUBLE_EQ(page.PrintableHeight(), 140);
    ASSERT_EQ(page.bands.size(), 3u);
    EXPECT_EQ(page.bands[1].kind, BandKind::Data);
    EXPECT_EQ(page.bands[1].source, "rows");
    const ReportObject& number = page.bands[1].objects[0];
    EXPECT_EQ(number.stretch, Stretch::Band);
    EXPECT_TRUE(number.frame.left && number.frame.top && number.frame.right && number.frame.bottom);
    EXPECT_EQ(number.font.families, std::vector<std::string>{"Liberation Serif"});
    EXPECT_DOUBLE_EQ(number.font.size, 10);
    EXPECT_DOUBLE_EQ(number.padding, 0.5);
    EXPECT_TRUE(number.visible);
    EXPECT_EQ(report.FindObject("PageNo")->align, HAlign::Right);
    EXPECT_EQ(report.FindObject("HeadText")->text, "[GetTextOfObj(9);] от [Date]");
}

TEST(TemplateReader, RefusesWhatItDoesNotKnowNamingTheLine) {
    struct Case {
        const char* body;
        const char* message;
    };
    const Case cases[] = {
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1" height="1" colour="red"/></band>)",
         "строка 3: неизвестный атрибут colour"},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1" height="1"/>
<text name="T" x="0" y="0" width="1" height="1"/></band>)",
         "строка 4: имя \"T\" уже встречалось"},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0,5" width="1" height="1"/></band>)",
         "атрибут y: ожидается число"},
        {R"(<band name="B" kind="middle" height="5"/>)", "неизвестный вид полосы \"middle\""},
        {R"(<band name="B" kind="title" source="goods" height="5"/>)", "источник данных (source)"},
        {R"(<band name="B" kind="data" source="goods" height="5"><band name="C" kind="title"/></band>)",
         "внутри полосы данных допустимы только полосы данных"},
        {R"(<band name="B" kind="title" height="5"><circle name="C" x="0" y="0" width="1" height="1"/></band>)",
         "неизвестный элемент <circle>"},
        {R"(<band name="B" kind="title" height="5"><text x="0" y="0" width="1" height="1"/></band>)",
         "не указано имя"},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1"/></band>)",
         "не указан атрибут height"},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1" height="1" wrap="yes"/></band>)",
         "ожидается true или false"},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1" height="1" frame="left,middle"/></band>)",
         "неизвестная сторона \"middle\""},
        {R"(<band name="B" kind="title" height="5"><text name="T" x="0" y="0" width="1" height="1">)", "строка"},
    };
    for (const Case& c : cases) {
        const std::string xml =
            std::string("<report name=\"R\">\n<page name=\"P\">\n") + c.body + "\n</page>\n</report>";
        try {
            ParseTemplate(xml, "bad.fr3");
            ADD_FAILURE() << "accepted: " << c.body;
        } catch (const TemplateError& e) {
            EXPECT_NE(std::string(e.what()).find("bad.fr3"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(ReadTemplate("/nonexistent/VD.fr3"), TemplateError);
}

TEST(ShippedTemplates, ConclusionHasEveryObjectTheProgramDrives) {
    Report vd = ReadTemplate(test::SourceDataDir() / "VD.fr3");
    int designObjects = 0;
    while (vd.HasObject("obj_" + std::to_string(designObjects + 1))) ++designObjects;
    EXPECT_GE(designObjects, 7);
    // Nothing is numbered beyond the first gap, where the program would never reach it.
    EXPECT_FALSE(vd.HasObject("obj_" + std::to_string(designObjects + 2)));
    for (int i = 0; i <= 15; ++i) EXPECT_TRUE(vd.HasObject("dMemo" + std::to_string(i))) << i;
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(vd.HasObject("gMemo" + std::to_string(i))) << i;
    EXPECT_TRUE(vd.HasObject("pMemo1"));
    ASSERT_NE(vd.FindPage("Page1"), nullptr);
    ASSERT_NE(vd.FindBand("PageFooter1"), nullptr);
    // The footer's design height is what the preparation computes from the two frames.
    EXPECT_DOUBLE_EQ(vd.FindBand("PageFooter1")->height,
                     vd.FindPage("Page1")->PrintableHeight() - vd.FindObject("obj_5")->height -
                         vd.FindObject("obj_7")->height);
    // New documents store 10 everywhere; the design must start from the same sizes, and the
    // number's size (stored as field 2) must pass the issue check of 6 to 12.
    for (const FontField& field : FontFields()) {
        ASSERT_TRUE(vd.HasObject(field.storedFrom)) << field.storedFrom;
        const double size = vd.FindObject(field.storedFrom)->font.size;
        if (field.applied) EXPECT_DOUBLE_EQ(size, 10) << field.storedFrom;
        else EXPECT_TRUE(size >= 6 && size <= 12) << field.storedFrom;
    }
    for (const char* name : {"CertsCaption.fr3", "SearchReport.fr3"}) {
        EXPECT_NO_THROW(ReadTemplate(test::SourceDataDir() / name)) << name;
    }
}

TEST(ReportEngine, ExpandsExpressionsAndKeepsOtherBrackets) {
    TableData data({"первая"});
    data.SelectRow("rows", 0);
    const std::pair<const char*, const char*> cases[] = {
        {"[GetTextOfObj(1);]", "первая"},
        {"[GetTextOfObj(1)]", "первая"},
        {"[GetTextOfObj( 2 );] из [GetTextOfObj(9);]", "1 из Шапка"},
        {"Дата: [Date]", "Дата: 11.12.2026"},
        {"[GetTextOfObj(77);]", ""},
        {"[GetTextOfObj(x);] [скобки] [", "[GetTextOfObj(x);] [скобки] ["},
        {"Лист [Page] из [Pages]", "Лист [Page] из [Pages]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ExpandText(text, data), expected) << text;
}

TEST(ReportEngine, GrowingBandsFollowTheirTextsAndFrameTheWholeRow) {
    const std::string longText =
        "Пиломатериалы хвойных пород обрезные, высушенные до влажности двенадцать процентов, "
        "уложенные в пакеты на поддонах и обвязанные стальной лентой";
    TableData data({"коротко", longText, "снова коротко"});
    const PreparedReport out = PrepareReport(ListTemplate(), data);
    ASSERT_EQ(out.pages.size(), 1u);
    const auto bodies = out.pages[0].ItemsOf("Body");
    const auto numbers = out.pages[0].ItemsOf("Number");
    ASSERT_EQ(bodies.size(), 3u);
    EXPECT_DOUBLE_EQ(bodies[0]->rect.height(), 6);
    EXPECT_GT(bodies[1]->rect.height(), 6);
    EXPECT_GE(bodies[1]->lines.size(), 3u);
    EXPECT_NEAR(bodies[1]->rect.height(), NeededHeight(*ListTemplate().FindObject("Body"), longText, 10), 1e-9);
    // The framed number cell reaches the bottom of its grown row, and the next row starts there.
    EXPECT_DOUBLE_EQ(numbers[1]->rect.height(), bodies[1]->rect.height());
    EXPECT_DOUBLE_EQ(bodies[2]->rect.top(), Bottom(*bodies[1]));
    EXPECT_DOUBLE_EQ(bodies[0]->rect.top(), 30);  // below the header
    // Every word of the long text is on the page, in order.
    std::string laidOut;
    for (const TextLine& line : bodies[1]->lines) laidOut += line.text.toStdString() + " ";
    EXPECT_EQ(laidOut.substr(0, laidOut.size() - 1), longText);
}

TEST(ReportEngine, RowsThatDoNotFitStartANewPageWholeWithHeaderAndFooterRepeated) {
    std::vector<std::string> rows;
    for (int i = 0; i < 40; ++i) rows.push_back(i % 3 == 0 ? "строка с очень длинным текстом, который займёт две строки" : "строка");
    TableData data(rows);
    const PreparedReport out = PrepareReport(ListTemplate(), data);
    ASSERT_GE(out.pages.size(), 3u);
    std::set<std::string> numbers;
    for (std::size_t p = 0; p < out.pages.size(); ++p) {
        const PreparedPage& page = out.pages[p];
        ASSERT_EQ(page.ItemsOf("HeadText").size(), 1u);
        EXPECT_EQ(page.ItemsOf("HeadText")[0]->lines[0].text.toStdString(), "Шапка от 11.12.2026");
        const std::string pageNo = "Лист " + std::to_string(p + 1) + " из " + std::to_string(out.pages.size());
        EXPECT_EQ(page.ItemsOf("PageNo")[0]->lines[0].text.toStdString(), pageNo);
        for (const PageItem* body : page.ItemsOf("Body")) {
            EXPECT_GE(body->rect.top(), 30 - 1e-9);
            EXPECT_LE(Bottom(*body), 130 + 1e-9);  // above the footer: no row is cut
        }
        for (const PageItem* number : page.ItemsOf("Number")) numbers.insert(number->lines[0].text.toStdString());
    }
    EXPECT_EQ(numbers.size(), 40u);
}

TEST(ReportEngine, HiddenObjectsAreNotDrawnButKeepTheLayout) {
    const std::string longText(200, 'x');
    TableData data({longText, "после"});
    Report shown = ListTemplate();
    Report hidden = ListTemplate();
    hidden.FindObject("Body")->visible = false;
    const PreparedReport a = PrepareReport(shown, data);
    const PreparedReport b = PrepareReport(hidden, data);
    EXPECT_TRUE(b.pages[0].ItemsOf("Body").empty());
    ASSERT_EQ(a.pages[0].ItemsOf("Number").size(), 2u);
    ASSERT_EQ(b.pages[0].ItemsOf("Number").size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a.pages[0].ItemsOf("Number")[static_cast<std::size_t>(i)]->rect,
                  b.pages[0].ItemsOf("Number")[static_cast<std::size_t>(i)]->rect);
    }
}

TEST(ReportEngine, SmallerFontsNeedLessHeightAndAnEmptyTextNone) {
    ReportObject object;
    object.width = 40;
    const std::string text = "Общество с ограниченной ответственностью «Северный лес и partners»";
    double previous = 1e9;
    for (const int size : {10, 9, 8, 7, 6}) {
        const double height = NeededHeight(object, text, size);
        EXPECT_LE(height, previous) << size;
        previous = height;
    }
    EXPECT_LT(NeededHeight(object, text, 6), NeededHeight(object, text, 10));
    EXPECT_DOUBLE_EQ(NeededHeight(object, "", 10), 0);
    // Each paragraph starts a line, an empty one included.
    const TextBlock block = LayOutText(object, "один\r\n\r\nтри", 10);
    ASSERT_EQ(block.lines.size(), 2u);
    EXPECT_NEAR(block.lines[1].baseline - block.lines[0].baseline, 2 * (block.height - 1) / 3, 1e-3);
}

TEST(ReportOutput, WritesAPdfWithCyrillicTextOnA4) {
    test::TempDir dir;
    TableData data({"Пиломатериалы", "Брус ёлочный"});
    const PreparedReport out = PrepareReport(ListTemplate(), data);
    const auto pdf = dir.Path() / "list.pdf";
    WritePdf(out, pdf, "Список (копия)", 2);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "list.pdf.part"));
    const test::ProcessResult text = test::RunProcess({"pdftotext", "-enc", "UTF-8", pdf.string(), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Брус ёлочный"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Шапка от 11.12.2026"), std::string::npos);
    const test::ProcessResult info = test::RunProcess({"pdfinfo", "-enc", "UTF-8", pdf.string()});
    EXPECT_EQ(std::stoi(info.out.substr(info.out.find("Pages:") + 6)), 2) << info.out;  // two copies
    EXPECT_NE(info.out.find("283 x 454 pts"), std::string::npos) << info.out;  // 100 x 160 mm
    EXPECT_NE(info.out.find("Список (копия)"), std::string::npos);

    EXPECT_THROW(WritePdf(out, dir.Path() / "no" / "such" / "folder.pdf", "x", 1), OutputError);
    EXPECT_THROW(PrintToPrinter(out, "Нет такого принтера", "x", 1), OutputError);
}

TEST(ReportOutput, DrawsPreviewPagesAtTheirZoom) {
    TableData data({"Пиломатериалы"});
    const PreparedReport out = PrepareReport(ListTemplate(), data);
    const QImage page = RenderPage(out.pages[0], 96);
    EXPECT_EQ(page.width(), 378);  // 100 mm at 96 dpi
    EXPECT_EQ(page.height(), 605);
    const QImage twice = RenderPage(out.pages[0], 192);
    EXPECT_EQ(twice.width(), 756);
    // The framed number cell of the first row: its top rule is drawn at 30 mm from the top.
    const int ruleY = static_cast<int>(30 / 25.4 * 192);
    int dark = 0;
    for (int x = 0; x < twice.width(); ++x) {
        for (int y = ruleY - 2; y <= ruleY + 2; ++y) dark += qGray(twice.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 60);
}

TEST(QtTextCanvas, FitsATextToTheWidthOfTheStatisticsReport) {
    QImage image(2000, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtTextCanvas canvas(painter);
    const FontStyle style;
    const int size = CalculateFontSize(canvas, 600, 1, style, "Дата составления отчёта:", 1);
    // Whole point sizes rarely hit a 2-pixel band: the result is the largest size not wider.
    canvas.SetFont(style, size);
    EXPECT_LE(canvas.TextWidth("Дата составления отчёта:"), 602);
    canvas.SetFont(style, size + 1);
    EXPECT_GT(canvas.TextWidth("Дата составления отчёта:"), 600);
    const int lines = MemoPrint(canvas, "Торгово-промышленная палата Российской Федерации", 10, 1, 10, 0, 300, 5, 40);
    EXPECT_EQ(lines, CountLinesMemo(canvas, "Торгово-промышленная палата Российской Федерации", 0, 300));
    EXPECT_GT(lines, 1);
}

}  // namespace
}  // namespace vd::report
