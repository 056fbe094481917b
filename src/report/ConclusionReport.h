#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register/FontSizes.h"
#include "register/PrintRules.h"
#include "report/PreparedReport.h"
#include "report/RegisterData.h"
#include "report/ReportModel.h"
#include "report/ReportOutput.h"

namespace vd {
class TDM;
}

namespace vd::report {

// The conclusion of the register's current document laid out by VD.fr3: what the view shows
// and what every print sends. The view window drives it (show, font menu, "Сохранить", zoom of
// the prepared pages); the print routine and the batch print reuse it. Methods throw on
// failure; the window reports them under its own handler names.
class ConclusionReport {
public:
    // Templates from the program's data folder, or from `templateFolder`.
    explicit ConclusionReport(TDM& tdm);
    ConclusionReport(TDM& tdm, std::filesystem::path templateFolder);

    // "Показать форму": the template anew, prepared, filled, everything visible, and the stored
    // sizes (fitted ones for a project while "Автоподбор" is on).
    void ShowCurrent();
    // The first step of every print attempt: the same with the stored sizes, never fitted ones.
    void LoadForPrinting();

    // The steps both of them take, for callers that need them one by one.
    void LoadTemplate();
    // Offsets "udLeft"/"udTop" on Page1's design margins, PageFooter1's height, and the
    // document with its expertise texts re-read. Throws "не работает frxReport.Engine".
    void PrepareTemplate();
    // The fields' expressions; nothing while the register has no current row.
    void Fill();
    void SetCertForPrint(CertMode mode);
    void ApplyStoredSizes(bool forPrinting);
    // "Автоподбор": fields 1, 2, 3, 9 and 10 fitted in turn.
    void FitAutomatically();
    // A choice in the font menu for field 1 … 10.
    void ChooseSize(int field, const SizeChoice& choice);

    // "Сохранить" of the current sizes; the register is reopened on the document.
    SaveSizesResult SaveSizes();
    // Throws "пропал размер шрифта (PrintReport)" when a checked field lost its applied size.
    void VerifySizes() const;

    PreparedReport Prepare();
    // The print routine: visibility of the mode, the job name as the report's name, the size
    // check, preparation, and `copies` jobs without a dialog.
    void Print(PrintMode mode, const std::string& jobName, int copies, const PrintTarget& target);

    bool HasDocument() const { return data_.HasDocument(); }
    const MasterRecord* Document() const { return data_.Document(); }
    // "Сохранить" is enabled for projects only.
    bool CanSave() const { return canSave_; }
    const std::vector<int>& AppliedFontSizes() const { return applied_; }
    // The marked sub-entry of a field's menu entry (1 … 10), if any.
    std::optional<SizeChoice> Mark(int field) const;
    std::optional<int> ObjectSize(std::string_view object) const;
    // The sizes "Сохранить" stores; no value when an object is missing from the template.
    std::optional<std::array<int, 10>> CurrentSizes() const;

    Report& Template() { return template_; }
    const std::string& ReportName() const { return template_.name; }
    RegisterData& Data() { return data_; }

private:
    void SetSize(std::string_view object, int size);
    void NoteDMemo7(std::string_view note);

    TDM& tdm_;
    std::filesystem::path folder_;
    Report template_;
    double designLeft_ = 0;
    double designTop_ = 0;
    RegisterData data_;
    std::vector<int> applied_;
    std::array<std::optional<SizeChoice>, 10> marks_{};
    bool canSave_ = false;
};

}  // namespace vd::report
