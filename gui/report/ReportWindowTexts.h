#pragma once

#include <array>
#include <string_view>

#include "register/PrintRules.h"
#include "support/ActionText.h"

// The view, the print window and the report preview as the user sees them, written once.
namespace vd::gui {

// ---- the view ----

enum class ViewCommand { ZoomOut, ZoomIn, Zoom, Font, AutoFit, SaveFont, Close };

inline constexpr std::array<ActionText, 7> kViewActions = {{
    {"aZoomOut", "Уменьшить", "Уменьшить изображение", "", QStyle::SP_ArrowDown},
    {"aZoomIn", "Увеличить", "Увеличить изображение", "", QStyle::SP_ArrowUp},
    {"aZoom", "Масштаб", "Установить масштаб просмотра", "", QStyle::SP_FileDialogContentsView},
    {"aFont", "Шрифт", "Установить шрифт поля", "", QStyle::SP_FileDialogDetailedView},
    {"aAutoFit", "Автоподбор", "Для проектов размер шрифа подбирать автоматически", "", kNoIcon},
    {"aSaveFont", "Сохранить", "Сохранить размер шрифта", "", QStyle::SP_DialogSaveButton},
    {"aClose", "Закрыть", "Закрыть окно предварительного просмотра", "", QStyle::SP_DialogCloseButton},
}};

// The zoom the view opens with before anything was chosen: "100".
inline constexpr double kInitialZoom = 1.0;

// ---- the print window ----

inline constexpr std::string_view kPrintCaption = "Печать";
inline constexpr std::string_view kDocumentGroup = " Документ ";
inline constexpr std::string_view kPrinterGroup = " Принтер ";
inline constexpr std::string_view kPrintGroup = " Печать ";
inline constexpr std::string_view kSetupGroup = "Настройка печати";

struct ModeButtonText {
    PrintMode mode;
    const char* name;
    std::string_view caption;
    std::string_view hint;
};
inline constexpr std::array<ModeButtonText, 3> kModeButtons = {{
    {PrintMode::Blank, "sbCert", "Заключение", "Печать документа"},
    {PrintMode::Copy, "sbCopy", "Копия", "Печать копии заключения"},
    {PrintMode::Imprint, "sbNumber", "Впечатывание номера",
     "Впечатывание номера в ранее заполненный бланк заключения"},
}};

inline constexpr std::string_view kPrinterSetup = "Свойства...";
inline constexpr std::string_view kPrinterSetupHint = "Настройки принтера";
// The last entry of the printer list: the print goes into a PDF file the user names.
inline constexpr std::string_view kPdfPrinter = "Файл PDF";
inline constexpr std::string_view kCopiesLabel = "Количество копий:";
inline constexpr std::string_view kCopiesHint = "Количество копий заключения";
inline constexpr std::string_view kSend = "Отправить на печать";
inline constexpr std::string_view kSendHint = "Отправить задание на печать";
inline constexpr std::string_view kOffsetsCaption = "Отступы бланка";
inline constexpr std::string_view kTopOffset = "Верхний отступ:";
inline constexpr std::string_view kLeftOffset = "Левый отступ:";
inline constexpr std::string_view kOffsetHint = "Значение в диапазоне от -20 до 20";
inline constexpr std::string_view kPrintClose = "Закрыть";
inline constexpr std::string_view kPrintCloseHint = "Вернуться к предыдущей операции";

inline constexpr std::string_view kPdfChooserTitle = "Сохранить в PDF";
inline constexpr std::string_view kPdfFilter = "Документ PDF | *.pdf";

// ---- the preview of the register's reports ----

inline constexpr std::string_view kPreviewCaption = "Предварительный просмотр";
inline constexpr std::string_view kPreviewPrint = "Печать";
inline constexpr std::string_view kPreviewPrintHint = "Напечатать отчёт";
inline constexpr std::string_view kPreviewPdf = "PDF";
inline constexpr std::string_view kPreviewPdfHint = "Сохранить отчёт в файл PDF";
inline constexpr std::string_view kPreviewClose = "Закрыть";

}  // namespace vd::gui
