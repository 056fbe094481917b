#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "core/FormSettings.h"
#include "support/Files.h"

namespace vd {
namespace {

// A grid whose columns are kept in display order.
struct FakeGrid : LayoutGrid {
    struct Column {
        std::string field;
        int width = 64;
        bool visible = true;
    };
    bool bound = true;
    std::vector<Column> columns;

    bool BoundToFields() const override { return bound; }
    int ColumnCount() const override { return static_cast<int>(columns.size()); }
    std::string FieldAt(int position) const override { return columns.at(position).field; }
    int WidthAt(int position) const override { return columns.at(position).width; }
    bool VisibleAt(int position) const override { return columns.at(position).visible; }
    void MoveColumn(int from, int to) override {
        const Column moved = columns.at(from);
        columns.erase(columns.begin() + from);
        columns.insert(columns.begin() + to, moved);
    }
    void SetWidthAt(int position, int width) override { columns.at(position).width = width; }

    std::vector<std::string> Fields() const {
        std::vector<std::string> fields;
        for (const auto& c : columns) fields.push_back(c.field);
        return fields;
    }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (const auto& c : columns) widths.push_back(c.width);
        return widths;
    }
};

// A control of a window: its bounds (Height, Left, Top, Width), what was applied to it, an
// optional grid and owned controls.
struct FakeControl {
    std::string className;
    std::string name;
    std::array<int, 4> bounds{};
    bool toolBar = false;
    std::unique_ptr<FakeGrid> grid;
    std::vector<std::shared_ptr<FakeControl>> children;
    std::vector<std::pair<LayoutBound, int>> applied;

    FakeControl& Add(std::string cls, std::string childName, std::array<int, 4> childBounds = {}) {
        auto child = std::make_shared<FakeControl>();
        child->className = std::move(cls);
        child->name = std::move(childName);
        child->bounds = childBounds;
        children.push_back(child);
        return *child;
    }
};

class ControlView : public LayoutControl {
public:
    explicit ControlView(FakeControl& c) : c_(c) {}
    std::string ClassName() const override { return c_.className; }
    std::string Name() const override { return c_.name; }
    bool IsToolBar() const override { return c_.toolBar; }
    int Bound(LayoutBound which) const override { return c_.bounds[static_cast<std::size_t>(which)]; }
    void SetBound(LayoutBound which, int value) override {
        c_.bounds[static_cast<std::size_t>(which)] = value;
        c_.applied.emplace_back(which, value);
    }
    LayoutGrid* Grid() override { return c_.grid.get(); }
    std::vector<std::unique_ptr<LayoutControl>> Children() override {
        std::vector<std::unique_ptr<LayoutControl>> views;
        for (const auto& child : c_.children) views.push_back(std::make_unique<ControlView>(*child));
        return views;
    }

private:
    FakeControl& c_;
};

std::unique_ptr<FakeGrid> Grid(std::vector<std::string> fields, bool bound = true) {
    auto grid = std::make_unique<FakeGrid>();
    grid->bound = bound;
    for (auto& f : fields) grid->columns.push_back({std::move(f)});
    return grid;
}

// The register as the front end describes it: a window, a tool bar with a button, and the
// master grid.
struct RegisterWindow {
    FakeControl window;
    FakeControl* toolBar;
    FakeControl* grid;

    explicit RegisterWindow(std::array<int, 4> bounds = {500, 30, 40, 900}) {
        window.className = "TFormList";
        window.name = "FormList";
        window.bounds = bounds;
        toolBar = &window.Add("TToolBar", "ToolBar1", {40, 0, 0, 900});
        toolBar->toolBar = true;
        toolBar->Add("TToolButton", "tbNew", {22, 0, 0, 60});
        grid = &window.Add("TkxDBGrid", "dbgM", {300, 0, 40, 900});
        grid->grid = Grid({"ReferenceNo", "PaperNo", "Expert"});
    }
};

class FormSettingsTest : public ::testing::Test {
protected:
    std::filesystem::path UserFile() const { return dir.Path() / "config" / "StorageVardelo.xml"; }
    std::filesystem::path SystemFile() const { return dir.Path() / "etc" / "StorageVardelo.xml"; }
    FormSettings Settings() const { return FormSettings(UserFile(), SystemFile()); }

    static void WriteXml(const std::filesystem::path& file, const std::string& body) {
        std::filesystem::create_directories(file.parent_path());
        WriteFileAtomically(file, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<ParamsOfForms>" +
                                      body + "</ParamsOfForms>\n");
    }

    test::TempDir dir;
};

TEST_F(FormSettingsTest, ANewFileHoldsTheWindowItsControlsAndColumnsButNoToolBar) {
    RegisterWindow saved;
    saved.grid->grid->columns[1].width = 120;
    ControlView view(saved.window);
    Settings().Store(view);

    const std::string xml = ReadFileBytes(UserFile());
    EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>", 0), 0u) << xml;
    EXPECT_NE(xml.find("<ParamsOfForms>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<TFormList Name=\"FormList\" Height=\"500\" Left=\"30\" Top=\"40\" Width=\"900\">"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<TkxDBGrid Name=\"dbgM\" Height=\"300\" Left=\"0\" Top=\"40\" Width=\"900\">"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<Col Width=\"120\" FieldName=\"PaperNo\" Index=\"1\" />"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("ToolBar1"), std::string::npos) << xml;
    EXPECT_EQ(xml.find("tbNew"), std::string::npos) << xml;
    EXPECT_FALSE(std::filesystem::exists(SystemFile()));
}

TEST_F(FormSettingsTest, AStoredLayoutComesBackAndLeavesToolBarsAlone) {
    RegisterWindow saved({480, 25, 35, 880});
    saved.grid->bounds = {260, 0, 40, 880};
    saved.grid->grid->columns = {{"Expert", 150}, {"ReferenceNo", 90}, {"PaperNo", 70}};
    ControlView savedView(saved.window);
    Settings().Store(savedView);

    RegisterWindow restored;
    ControlView view(restored.window);
    ASSERT_TRUE(Settings().Restore(view));
    EXPECT_EQ(restored.window.bounds, (std::array<int, 4>{480, 25, 35, 880}));
    EXPECT_EQ(restored.grid->bounds[0], 260);
    EXPECT_EQ(restored.grid->grid->Fields(), (std::vector<std::string>{"Expert", "ReferenceNo", "PaperNo"}));
    EXPECT_EQ(restored.grid->grid->Widths(), (std::vector<int>{150, 90, 70}));
    EXPECT_TRUE(restored.toolBar->applied.empty());
    EXPECT_TRUE(restored.toolBar->children[0]->applied.empty());
}

// Each dimension on its own: a 0 and a value that is no number are never applied; the others
// are, in the order Height, Left, Top, Width.
TEST_F(FormSettingsTest, ZeroAndUnreadableDimensionsAreNotApplied) {
    WriteXml(UserFile(),
             "<TfMainForm Name=\"fMainForm\" Height=\"0\" Left=\"-8\" Top=\"abc\" Width=\"1024\"/>"
             "<TfMainForm Name=\"second\" Height=\"700\" Left=\"0\" Top=\"\" Width=\"99999999999\"/>");
    struct Case {
        std::string name;
        std::vector<std::pair<LayoutBound, int>> applied;
    };
    for (const Case& c : {Case{"fMainForm", {{LayoutBound::Left, -8}, {LayoutBound::Width, 1024}}},
                          Case{"second", {{LayoutBound::Height, 700}}}}) {
        FakeControl window;
        window.className = "TfMainForm";
        window.name = c.name;
        window.bounds = {11, 12, 13, 14};
        ControlView view(window);
        ASSERT_TRUE(Settings().Restore(view)) << c.name;
        EXPECT_EQ(window.applied, c.applied) << c.name;
    }
}

TEST_F(FormSettingsTest, ColumnsAreFoundByFieldNameNotByPosition) {
    // Stored when the grid showed Expert, PaperNo, ReferenceNo; the grid has since gained a
    // column and lost none, and a stored field it no longer shows is skipped.
    WriteXml(UserFile(),
             "<TFormList Name=\"FormList\" Height=\"500\" Left=\"10\" Top=\"10\" Width=\"900\">"
             "<TkxDBGrid Name=\"dbgM\" Height=\"300\" Left=\"0\" Top=\"0\" Width=\"900\">"
             "<Col Width=\"150\" FieldName=\"Expert\" Index=\"0\"/>"
             "<Col Width=\"0\" FieldName=\"PaperNo\" Index=\"1\"/>"
             "<Col Width=\"77\" FieldName=\"Gone\" Index=\"2\"/>"
             "<Col Width=\"95\" FieldName=\"ReferenceNo\" Index=\"2\"/>"
             "<Col Width=\"x\" FieldName=\"LastDate\" Index=\"3\"/>"
             "<Col Width=\"55\" FieldName=\"comment\" Index=\"17\"/>"
             "</TkxDBGrid></TFormList>");
    RegisterWindow restored;
    restored.grid->grid = Grid({"ReferenceNo", "PaperNo", "Expert", "LastDate"});
    ControlView view(restored.window);
    ASSERT_TRUE(Settings().Restore(view));
    EXPECT_EQ(restored.grid->grid->Fields(),
              (std::vector<std::string>{"Expert", "PaperNo", "ReferenceNo", "LastDate"}));
    // PaperNo keeps its width: a stored 0 would hide it.
    EXPECT_EQ(restored.grid->grid->Widths(), (std::vector<int>{150, 64, 95, 64}));
}

TEST_F(FormSettingsTest, HiddenColumnsKeepTheirWidthAndDrawingGridsGoByIndex) {
    WriteXml(UserFile(),
             "<TfSearch Name=\"fSearch\" Height=\"400\" Left=\"1\" Top=\"1\" Width=\"600\">"
             "<TkxDBGrid Name=\"bound\" Height=\"1\" Left=\"1\" Top=\"1\" Width=\"1\">"
             "<Col Width=\"40\" FieldName=\"a\" Index=\"0\"/><Col Width=\"50\" FieldName=\"b\" Index=\"1\"/></TkxDBGrid>"
             "<TTntStringGrid Name=\"drawn\" Height=\"1\" Left=\"1\" Top=\"1\" Width=\"1\">"
             "<Col Width=\"210\" Index=\"1\"/><Col Width=\"30\" Index=\"0\"/></TTntStringGrid>"
             "</TfSearch>");
    FakeControl window;
    window.className = "TfSearch";
    window.name = "fSearch";
    FakeControl& bound = window.Add("TkxDBGrid", "bound");
    bound.grid = Grid({"a", "b"});
    bound.grid->columns[1].visible = false;
    FakeControl& drawn = window.Add("TTntStringGrid", "drawn");
    drawn.grid = Grid({"", ""}, false);
    ControlView view(window);
    ASSERT_TRUE(Settings().Restore(view));
    EXPECT_EQ(bound.grid->Widths(), (std::vector<int>{40, 64}));
    EXPECT_EQ(drawn.grid->Widths(), (std::vector<int>{30, 210}));
}

TEST_F(FormSettingsTest, SavingTwiceKeepsOneElementAndTheOtherWindows) {
    WriteXml(UserFile(), "<TfAddUser Name=\"fAddUser\" Height=\"150\" Left=\"200\" Top=\"200\" Width=\"360\"/>");
    RegisterWindow first({500, 30, 40, 900});
    ControlView firstView(first.window);
    Settings().Store(firstView);
    RegisterWindow second({610, 31, 41, 901});
    ControlView secondView(second.window);
    Settings().Store(secondView);

    const std::string xml = ReadFileBytes(UserFile());
    std::size_t count = 0;
    for (auto at = xml.find("Name=\"FormList\""); at != std::string::npos; at = xml.find("Name=\"FormList\"", at + 1)) {
        ++count;
    }
    EXPECT_EQ(count, 1u) << xml;
    EXPECT_NE(xml.find("Name=\"fAddUser\""), std::string::npos) << xml;

    RegisterWindow restored;
    ControlView view(restored.window);
    ASSERT_TRUE(Settings().Restore(view));
    EXPECT_EQ(restored.window.bounds, (std::array<int, 4>{610, 31, 41, 901}));
}

TEST_F(FormSettingsTest, ElementsWithoutAMatchingControlAreIgnored) {
    WriteXml(UserFile(),
             "<TFormList Name=\"FormList\" Height=\"500\" Left=\"30\" Top=\"40\" Width=\"900\">"
             "<TPanel Name=\"removedPanel\" Height=\"12\" Left=\"1\" Top=\"1\" Width=\"1\"/>"
             "<TkxDBGrid Name=\"dbgM\" Height=\"222\" Left=\"0\" Top=\"0\" Width=\"0\"/>"
             "</TFormList>");
    RegisterWindow restored;
    ControlView view(restored.window);
    ASSERT_TRUE(Settings().Restore(view));
    EXPECT_EQ(restored.grid->applied, (std::vector<std::pair<LayoutBound, int>>{{LayoutBound::Height, 222}}));
}

// The user's own file wins; without it the installation's starting layout is read; without
// either the window keeps its design and nothing is written until it is saved.
TEST_F(FormSettingsTest, TheUsersFileComesFirstThenTheInstallations) {
    const std::string systemWindow = "<TFormList Name=\"FormList\" Height=\"111\" Left=\"1\" Top=\"1\" Width=\"1\"/>";
    const std::string userWindow = "<TFormList Name=\"FormList\" Height=\"222\" Left=\"2\" Top=\"2\" Width=\"2\"/>";
    struct Case {
        bool systemFile;
        bool userFile;
        bool restored;
        int height;
    };
    for (const Case& c : {Case{false, false, false, 500}, Case{true, false, true, 111}, Case{true, true, true, 222},
                          Case{false, true, true, 222}}) {
        std::filesystem::remove_all(dir.Path() / "etc");
        std::filesystem::remove_all(dir.Path() / "config");
        if (c.systemFile) WriteXml(SystemFile(), systemWindow);
        if (c.userFile) WriteXml(UserFile(), userWindow);
        RegisterWindow window;
        ControlView view(window.window);
        EXPECT_EQ(Settings().Restore(view), c.restored);
        EXPECT_EQ(window.window.bounds[0], c.height);
        EXPECT_EQ(std::filesystem::exists(UserFile()), c.userFile);
    }
}

TEST_F(FormSettingsTest, AnUnreadableFileFailsTheRestoreAndIsReplacedWhenSaving) {
    std::filesystem::create_directories(UserFile().parent_path());
    WriteFileAtomically(UserFile(), "<ParamsOfForms><TFormList Name=");
    RegisterWindow window;
    ControlView view(window.window);
    EXPECT_THROW(Settings().Restore(view), std::runtime_error);
    EXPECT_TRUE(window.window.applied.empty());

    Settings().Store(view);
    RegisterWindow restored({1, 1, 1, 1});
    ControlView restoredView(restored.window);
    ASSERT_TRUE(Settings().Restore(restoredView));
    EXPECT_EQ(restored.window.bounds, (std::array<int, 4>{500, 30, 40, 900}));
}

TEST_F(FormSettingsTest, NamesThatAreNoXmlNamesAreWrittenSafely) {
    FakeControl window;
    window.className = "vd::gui::TfMainForm";
    window.name = "fMainForm \"<&>\"";
    window.bounds = {700, 5, 6, 1000};
    ControlView view(window);
    Settings().Store(view);

    FakeControl restored;
    restored.className = "TfMainForm";
    restored.name = window.name;
    ControlView restoredView(restored);
    ASSERT_TRUE(Settings().Restore(restoredView));
    EXPECT_EQ(restored.bounds, window.bounds);
}

}  // namespace
}  // namespace vd
