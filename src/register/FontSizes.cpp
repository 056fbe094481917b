#include "register/FontSizes.h"

#include <stdexcept>
#include <string>

#include "core/Database.h"
#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/UserInterface.h"
#include "documents/Messages.h"
#include "register/RegisterQuery.h"
#include "register/ReportMessages.h"

namespace vd {
namespace {

constexpr std::string_view kSaveSizes =
    "update mcod set fSize1 = :fSize1, fSize2 = :fSize2, fSize3 = :fSize3, fSize4 = :fSize4, fSize5 = :fSize5, "
    "fSize6 = :fSize6, fSize7 = :fSize7, fSize8 = :fSize8, fSize9 = :fSize9, fSize10 = :fSize10 where id = :id";

constexpr std::array<FontField, 10> kFields = {{
    {1, "Поле 01", {"dMemo1", "dMemo2"}, "dMemo1", true, true, true},
    {2, "Поле 02", {"dMemo8"}, "dMemo8", true, false, false},
    {3, "Поле 03", {"dMemo4"}, "dMemo4", true, true, true},
    {4, "Поле 04", {"gMemo1"}, "gMemo1", false, true, true},
    {5, "Поле 05", {"gMemo2"}, "gMemo2", false, true, true},
    {6, "Поле 06", {"gMemo3"}, "gMemo3", false, true, true},
    {7, "Поле 07", {"gMemo4"}, "gMemo4", false, true, true},
    {8, "Поле 08", {"gMemo6"}, "gMemo6", false, true, true},
    {9, "Поле 09", {"dMemo13", "dMemo14"}, "dMemo13", true, true, true},
    {10, "Поле 10", {"dMemo9", "dMemo7", "dMemo10", "dMemo12", "dMemo15"}, "dMemo15", true, true, true},
}};

constexpr std::array<std::string_view, 5> kSizeCaptions = {"6", "7", "8", "9", "10"};

}  // namespace

std::vector<std::string_view> FontField::Objects() const {
    std::vector<std::string_view> names;
    for (const std::string_view name : objects) {
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

const std::array<FontField, 10>& FontFields() { return kFields; }

const FontField& FontFieldNumber(int number) {
    if (number < 1 || number > 10) throw std::out_of_range("font field " + std::to_string(number));
    return kFields[static_cast<std::size_t>(number - 1)];
}

int SizeToApply(int stored) { return stored < 1 || stored > 10 ? 10 : stored; }

std::optional<SizeChoice> MarkForSize(const FontField& field, int size) {
    if (size >= 6 && size <= 10) return SizeChoice::Fixed(size);
    if (size >= 1 && size <= 5 && field.automatic) return SizeChoice::Automatic();
    return std::nullopt;
}

std::string_view ChoiceCaption(const SizeChoice& choice) {
    if (choice.automatic) return text::kAutomaticSize;
    if (choice.size < 6 || choice.size > 10) return {};
    return kSizeCaptions[static_cast<std::size_t>(choice.size - 6)];
}

bool FitsAutomatically(int status, bool autoFontSizeOption, bool forPrinting) {
    return status == 6 && autoFontSizeOption && !forPrinting;
}

bool CanSaveSizes(int status) { return status == 6 || status == 12; }

int LargestFittingSize(const std::function<bool(int size)>& fits) {
    for (const int size : kFittingSizes) {
        if (fits(size)) return size;
    }
    return kFittingSizes.back();
}

void VerifyAppliedSizes(const std::vector<int>& applied,
                        const std::function<std::optional<int>(std::string_view)>& sizeOf) {
    if (applied.size() != kFields.size()) return;
    for (const FontField& field : kFields) {
        if (!field.applied) continue;
        const std::optional<int> size = sizeOf(field.storedFrom);
        if (size != applied[static_cast<std::size_t>(field.number - 1)]) throw std::runtime_error(std::string(text::kSizeLost));
    }
}

SaveSizesResult SaveFontSizes(TDM& tdm, std::int64_t id, int status, const std::optional<std::array<int, 10>>& sizes) {
    Session& session = tdm.GetSession();
    if (session.stopFlag) return SaveSizesResult::Stopped;
    if (tdm.Options().NetGuid() != session.sessionGuid) {
        tdm.Ui().ShowMessage(MessageKind::Warning, text::kAppTitle, text::kLockLost, Buttons::Yes);
        session.stopFlag = true;
        return SaveSizesResult::LockLost;
    }
    if (!CanSaveSizes(status)) return SaveSizesResult::NotProject;
    if (!sizes) return SaveSizesResult::Incomplete;
    SaveSizesResult result = SaveSizesResult::Saved;
    try {
        Transaction transaction(tdm.Db());
        Statement update(tdm.Db(), kSaveSizes);
        for (std::size_t i = 0; i < sizes->size(); ++i) {
            update.BindInt(":fSize" + std::to_string(i + 1), (*sizes)[i]);
        }
        update.BindInt(":id", id);
        update.Execute();
        transaction.Commit();
    } catch (const std::exception& e) {
        tdm.GetJournal().WriteEvent(EventType::Warning, EventCategory::Settings, event::kStoredValueFailed,
                                    {std::string(text::kSaveFontLocation) + std::string(kSaveSizes), e.what()});
        result = SaveSizesResult::Failed;
    }
    RegisterQuery& query = tdm.ASQM();
    query.Close();
    query.Open();
    query.LocateId(id);
    return result;
}

}  // namespace vd
