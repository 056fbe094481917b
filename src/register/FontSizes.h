#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace vd {

class TDM;

// The ten font-size fields of a conclusion and the template objects each governs. Storage, the
// menu, the applied sizes and the print check all use this one pairing: field 7 is the
// documents column (gMemo4) and field 8 the quantity (gMemo6), as the stored sizes have always
// been paired.
struct FontField {
    int number;                   // 1 … 10
    std::string_view menuEntry;   // "Поле 01"
    std::array<std::string_view, 5> objects;  // empty names at the end
    std::string_view storedFrom;  // the object whose size "Сохранить" stores
    bool automatic;               // offers "Автоматически"
    bool applied;                 // field 2 is stored but never set on its object
    bool enabled;                 // the menu entry can be chosen

    std::vector<std::string_view> Objects() const;
};
const std::array<FontField, 10>& FontFields();
const FontField& FontFieldNumber(int number);

// The fields "Автоподбор" fits, in order.
inline constexpr std::array<int, 5> kAutoFitFields = {1, 2, 3, 9, 10};
// Automatic fitting tries these sizes in turn and keeps 6 when none fits.
inline constexpr std::array<int, 5> kFittingSizes = {10, 9, 8, 7, 6};

// A choice in the font menu: a size from 6 to 10, or "Автоматически".
struct SizeChoice {
    bool automatic = false;
    int size = 10;
    static SizeChoice Automatic() { return {true, 0}; }
    static SizeChoice Fixed(int size) { return {false, size}; }
    bool operator==(const SizeChoice&) const = default;
};

// A stored size outside 1 … 10 (NULL, 0, 12, ...) is applied as 10.
int SizeToApply(int stored);
// The menu sub-entry marked for an applied size: "6" … "10", "Автоматически" for 1 … 5 in the
// fields that offer it, and no mark for 1 … 5 elsewhere (those fields have no such entry).
std::optional<SizeChoice> MarkForSize(const FontField& field, int size);
// The menu's caption of a choice: "6" … "10" or "Автоматически".
std::string_view ChoiceCaption(const SizeChoice& choice);

// Viewing a project with "Автоподбор" on fits the sizes instead of applying the stored ones;
// printing never does.
bool FitsAutomatically(int status, bool autoFontSizeOption, bool forPrinting);
// "Сохранить" is for projects only.
bool CanSaveSizes(int status);

// The largest of 10, 9, 8, 7, 6 at which `fits` says the text fits, or 6 when none does.
int LargestFittingSize(const std::function<bool(int size)>& fits);

// The print check: the sizes found on fields 1, 3 … 10's checked objects must be the applied
// ones; a missing value means the object is gone. Throws std::runtime_error with
// "пропал размер шрифта (PrintReport)" otherwise. Nothing is checked unless ten sizes were
// applied.
void VerifyAppliedSizes(const std::vector<int>& applied, const std::function<std::optional<int>(std::string_view)>& sizeOf);

enum class SaveSizesResult { Saved, Stopped, LockLost, NotProject, Incomplete, Failed };

// "Сохранить": stores the ten sizes of a project in one transaction, after checking that this
// instance still owns the database (otherwise the user is warned and no data may change any
// more; once StopFlag is set nothing is saved). Sizes without a value (an object missing from the template) save nothing. The register
// is reopened on the document afterwards.
SaveSizesResult SaveFontSizes(TDM& tdm, std::int64_t id, int status, const std::optional<std::array<int, 10>>& sizes);

}  // namespace vd
