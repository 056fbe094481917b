#include "report/ConclusionReport.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Session.h"
#include "register/ReportMessages.h"
#include "register/ReportObjects.h"
#include "report/ReportEngine.h"
#include "report/TemplateReader.h"
#include "report/TextLayout.h"

namespace vd::report {
namespace {

// A text that needs exactly the object's height fits; rounding must not say otherwise.
constexpr double kFitTolerance = 1e-6;

ReportObject& Required(Report& report, std::string_view name) {
    ReportObject* object = report.FindObject(name);
    if (object == nullptr) throw std::runtime_error("в шаблоне нет объекта " + std::string(name));
    return *object;
}

}  // namespace

ConclusionReport::ConclusionReport(TDM& tdm) : ConclusionReport(tdm, tdm.GetPaths().DataDir()) {}

ConclusionReport::ConclusionReport(TDM& tdm, std::filesystem::path templateFolder)
    : tdm_(tdm), folder_(std::move(templateFolder)), data_(tdm) {}

void ConclusionReport::ShowCurrent() {
    LoadTemplate();
    PrepareTemplate();
    Fill();
    SetCertForPrint(CertMode::View);
    ApplyStoredSizes(false);
}

void ConclusionReport::LoadForPrinting() {
    LoadTemplate();
    PrepareTemplate();
    Fill();
    SetCertForPrint(CertMode::View);
    ApplyStoredSizes(true);
}

void ConclusionReport::LoadTemplate() {
    template_ = ReadTemplate(folder_ / kConclusionTemplate);
    if (const Page* page = template_.FindPage(report_object::kPage)) {
        designLeft_ = page->left;
        designTop_ = page->top;
    }
}

void ConclusionReport::PrepareTemplate() {
    try {
        Page* page = template_.FindPage(report_object::kPage);
        if (page == nullptr) throw std::runtime_error("в шаблоне нет страницы " + std::string(report_object::kPage));
        // From the design margins, so that running the preparation again never adds twice.
        page->left = designLeft_ + tdm_.Options().UdLeft().value_or(0);
        page->top = designTop_ + tdm_.Options().UdTop().value_or(0);
        Band* footer = template_.FindBand(report_object::kPageFooter);
        if (footer == nullptr) {
            throw std::runtime_error("в шаблоне нет полосы " + std::string(report_object::kPageFooter));
        }
        const double height = page->PrintableHeight() - Required(template_, report_object::kHeaderFrame).height -
                              Required(template_, report_object::kGoodsFrame).height;
        if (height < 0) throw std::runtime_error("высота PageFooter1 получилась отрицательной");
        footer->height = height;
        data_.LoadCurrentDocument();
    } catch (const std::exception& e) {
        tdm_.GetJournal().ReportError(location::kViewSetSpace, e.what());
        throw std::runtime_error(std::string(text::kEngineFailed));
    }
}

void ConclusionReport::Fill() {
    if (!data_.HasDocument()) return;
    for (const FieldExpression& field : kFieldExpressions) {
        if (ReportObject* object = template_.FindObject(field.object)) object->text = TextOfObjExpression(field.code);
    }
}

void ConclusionReport::SetCertForPrint(CertMode mode) {
    const auto exists = [this](std::string_view name) { return template_.HasObject(name); };
    for (const auto& [name, visible] : CertVisibility(mode, exists)) template_.FindObject(name)->visible = visible;
}

void ConclusionReport::ApplyStoredSizes(bool forPrinting) {
    const MasterRecord* document = data_.Document();
    if (document == nullptr) return;
    canSave_ = CanSaveSizes(document->status);
    const bool autoFontSize = tdm_.Options().AutoFontSize(tdm_.GetSession().currentUserName);
    if (FitsAutomatically(document->status, autoFontSize, forPrinting)) {
        FitAutomatically();
        return;
    }
    applied_.clear();
    for (const FontField& field : FontFields()) {
        const int size = SizeToApply(document->fSize[static_cast<std::size_t>(field.number - 1)]);
        applied_.push_back(size);
        if (field.applied) {
            for (const std::string_view object : field.Objects()) SetSize(object, size);
        }
        marks_[static_cast<std::size_t>(field.number - 1)] = MarkForSize(field, size);
    }
    NoteDMemo7(text::kAppliedSizeNote);
}

void ConclusionReport::FitAutomatically() {
    for (const int field : kAutoFitFields) ChooseSize(field, SizeChoice::Automatic());
}

void ConclusionReport::ChooseSize(int field, const SizeChoice& choice) {
    const FontField& spec = FontFieldNumber(field);
    marks_[static_cast<std::size_t>(field - 1)] = choice;
    // Field 2's size is kept with the document but never set on the number.
    if (!spec.applied) return;
    std::vector<ReportObject*> objects;
    int smallest = 0;
    for (const std::string_view name : spec.Objects()) {
        ReportObject* object = template_.FindObject(name);
        if (object == nullptr) continue;
        int size = static_cast<int>(std::lround(object->font.size));
        if (!choice.automatic) {
            size = choice.size;
        } else if (name.starts_with('d')) {
            const std::string text = ExpandText(object->text, data_);
            size = LargestFittingSize(
                [&](int candidate) { return NeededHeight(*object, text, candidate) <= object->height + kFitTolerance; });
        }
        smallest = objects.empty() ? size : std::min(smallest, size);
        objects.push_back(object);
    }
    for (ReportObject* object : objects) object->font.size = smallest;
    if (field == 10) NoteDMemo7(text::kFittedSizeNote);
}

SaveSizesResult ConclusionReport::SaveSizes() {
    const MasterRecord* document = data_.Document();
    if (document == nullptr) return SaveSizesResult::NotProject;
    return SaveFontSizes(tdm_, document->id, document->status, CurrentSizes());
}

void ConclusionReport::VerifySizes() const {
    VerifyAppliedSizes(applied_, [this](std::string_view name) { return ObjectSize(name); });
}

PreparedReport ConclusionReport::Prepare() { return PrepareReport(template_, data_); }

void ConclusionReport::Print(PrintMode mode, const std::string& jobName, int copies, const PrintTarget& target) {
    SetCertForPrint(CertModeFor(mode));
    template_.name = jobName;
    VerifySizes();
    Output(Prepare(), target, jobName, copies);
}

std::optional<SizeChoice> ConclusionReport::Mark(int field) const {
    if (field < 1 || field > 10) return std::nullopt;
    return marks_[static_cast<std::size_t>(field - 1)];
}

std::optional<int> ConclusionReport::ObjectSize(std::string_view name) const {
    const ReportObject* object = template_.FindObject(name);
    if (object == nullptr) return std::nullopt;
    return static_cast<int>(std::lround(object->font.size));
}

std::optional<std::array<int, 10>> ConclusionReport::CurrentSizes() const {
    std::array<int, 10> sizes{};
    for (const FontField& field : FontFields()) {
        const std::optional<int> size = ObjectSize(field.storedFrom);
        if (!size) return std::nullopt;
        sizes[static_cast<std::size_t>(field.number - 1)] = *size;
    }
    return sizes;
}

void ConclusionReport::SetSize(std::string_view object, int size) {
    if (ReportObject* found = template_.FindObject(object)) found->font.size = size;
}

void ConclusionReport::NoteDMemo7(std::string_view note) {
    const std::optional<int> size = ObjectSize("dMemo7");
    tdm_.GetJournal().WriteEvent(EventType::Information, EventCategory::Report, event::kFileStep,
                                 {std::string(note) + (size ? std::to_string(*size) : std::string())});
}

}  // namespace vd::report
