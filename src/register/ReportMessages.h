#pragma once

#include <string_view>

// The texts of the view, the print window and the printed reports, written once.
namespace vd::text {

// Report text function
inline constexpr std::string_view kWorkstationPrefix = "АРМ №";
inline constexpr std::string_view kFoundCountPrefix = "Найдено документов: ";
inline constexpr std::string_view kIssuedFromCondition = "Выдан (С)";
inline constexpr std::string_view kIssuedToCondition = "Выдан до (По)";
inline constexpr std::string_view kUnknownStatusWord = "неизвестен";

// Font menu
inline constexpr std::string_view kAutomaticSize = "Автоматически";
inline constexpr std::string_view kAutoFitEntry = "Автоподбор";
inline constexpr std::string_view kFittedSizeNote = "установили_1 dMemo7.Font.Size=";
inline constexpr std::string_view kAppliedSizeNote = "установили_2 dMemo7.Font.Size=";

// View failures
inline constexpr std::string_view kEngineFailed = "не работает frxReport.Engine";
inline constexpr std::string_view kSizeLost = "пропал размер шрифта (PrintReport)";
inline constexpr std::string_view kPrintFontFailure = "сбой шрифта при печати";
inline constexpr std::string_view kSaveFontLocation = "function FormView.TfView.aSaveFontExecute: ";

// Print window
inline constexpr std::string_view kInsertBlank = "Вставьте в принтер бланк с номером ";
inline constexpr std::string_view kPrintNotAllowed = "Печать невозможна - заключение недействительно";
inline constexpr std::string_view kInsertPlainSheet = "Вставьте в принтер чистый лист бумаги";
inline constexpr std::string_view kJobQueued = "Задание успешно добавлено в очередь принтера";
inline constexpr std::string_view kJobFailed = "Произошла ошибка при добавлении задания в очередь";
inline constexpr std::string_view kCopyJobSuffix = " (копия)";

// Canvas routines: every failure message begins with this and the routine's name.
inline constexpr std::string_view kCanvasFailure = "error of the function ";

}  // namespace vd::text

// Where the view and the print window report their failures.
namespace vd::location {
inline constexpr std::string_view kViewSetSpace = "FormView.TfView.aSetSpaceExecute";
inline constexpr std::string_view kViewSetData = "FormView.TfView.aSetDataExecute";
inline constexpr std::string_view kViewSetDataForPrint = "FormView.TfView.aSetDataForPrintExecute";
inline constexpr std::string_view kViewPrepare = "FormView.TfView.aPrepareExecute";
inline constexpr std::string_view kViewUpdateFont = "FormView.TfView.UpdateFont";
inline constexpr std::string_view kViewSetFontObject = "FormView.TfView.SetFontObject";
inline constexpr std::string_view kViewSetCertForPrint = "FormView.TfView.SetCertForPrint";
inline constexpr std::string_view kViewSaveFont = "FormView.TfView.aSaveFontExecute";
inline constexpr std::string_view kPrintSend = "uFormPrint.TfFormPrint.aPrintExecute";
inline constexpr std::string_view kPrintCertificates = "uFormPrint.TfFormPrint.aPrintCertsExecute";
inline constexpr std::string_view kPrintSearchList = "uFormPrint.TfFormPrint.aPrintListExecute";
}  // namespace vd::location
