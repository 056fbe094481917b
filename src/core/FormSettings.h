#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct Paths;

// The four stored dimensions of a control, in the order they are applied.
enum class LayoutBound { Height, Left, Top, Width };

// A grid's columns as the layout store sees them; positions are display positions.
class LayoutGrid {
public:
    virtual ~LayoutGrid() = default;
    // A grid bound to a dataset: its columns are found again by the field they show. Other
    // grids are plain drawing grids whose columns are known only by position.
    virtual bool BoundToFields() const = 0;
    virtual int ColumnCount() const = 0;
    virtual std::string FieldAt(int position) const = 0;
    virtual int WidthAt(int position) const = 0;
    virtual bool VisibleAt(int position) const = 0;
    virtual void MoveColumn(int from, int to) = 0;
    virtual void SetWidthAt(int position, int width) = 0;
};

// A window or one of its controls as the layout store sees it. The front end wraps its widgets
// in these; the store decides what is written and what is applied.
class LayoutControl {
public:
    virtual ~LayoutControl() = default;
    virtual std::string ClassName() const = 0;
    // How the control is found again when the layout is applied.
    virtual std::string Name() const = 0;
    // Tool bars and their buttons arrange themselves; nothing at or below them is stored.
    virtual bool IsToolBar() const { return false; }
    virtual int Bound(LayoutBound which) const = 0;
    virtual void SetBound(LayoutBound which, int value) = 0;
    virtual LayoutGrid* Grid() { return nullptr; }
    // The controls this one owns, one level down.
    virtual std::vector<std::unique_ptr<LayoutControl>> Children() = 0;
};

// The window layouts of one user of the system: StorageVardelo.xml in the user's
// configuration folder, with the installation's copy as the starting point of a user who has
// none yet. Saved layouts always go to the user's file.
class FormSettings {
public:
    static constexpr std::string_view kFileName = "StorageVardelo.xml";

    explicit FormSettings(const Paths& paths);
    FormSettings(std::filesystem::path userFile, std::filesystem::path systemFile);

    const std::filesystem::path& UserFile() const { return userFile_; }
    const std::filesystem::path& SystemFile() const { return systemFile_; }

    // Applies the layout stored for `window`. False when neither file exists or the file holds
    // nothing for the window; throws std::runtime_error when the file cannot be read.
    bool Restore(LayoutControl& window) const;
    // Writes the layout of `window` into the user's file in place of the one stored before.
    void Store(LayoutControl& window) const;

    // One file: a missing or unreadable file throws std::runtime_error.
    static bool LoadFormSettings(LayoutControl& window, const std::filesystem::path& file);
    // An unreadable file is replaced by a new one holding only this window.
    static void SaveFormSettings(LayoutControl& window, const std::filesystem::path& file);

private:
    std::filesystem::path userFile_;
    std::filesystem::path systemFile_;
};

}  // namespace vd
