#pragma once

#include <array>
#include <string_view>

#include "support/ActionText.h"

// The register's commands as the user sees them, written once.
namespace vd::gui {

enum class RegisterCommand {
    New, Templ, Complete, Cancel, Duplicate, BadPaper, Instead, Delete, ExportToWord, MyOnly,
    GoDuplicate, GoInstead, GoCancel, GoTrue,
    ReportListSearch, ReportCerts, PasteList, WinWordCerts,
};

inline constexpr std::array<ActionText, 18> kRegisterActions = {{
    {"aNew", "Новый", "Создать новый проект заключения. Загрузить проект заключения из ZEZ или MS Word.", "",
     QStyle::SP_FileIcon},
    {"aTempl", "Шаблон", "Создать проект заключения по шаблону", "", QStyle::SP_FileLinkIcon},
    {"aComplete", "Выдать", "Выдать проект заключения. Отменить операцию невозможно.", "",
     QStyle::SP_DialogApplyButton},
    {"aCancel", "Аннулировать", "Аннулировать выданное заключение. Отменить операцию невозможно.", "",
     QStyle::SP_DialogCancelButton},
    {"aDuplicate", "Дубликат", "Создать дубликат выданного заключения. Отобразится в списке синим цветом.", "",
     QStyle::SP_FileDialogNewFolder},
    {"aBadPaper", "Испорчен", "Зарегистрировать испорченный бланк. Отменить операцию невозможно.", "",
     QStyle::SP_MessageBoxWarning},
    {"aInstead", "Взамен", "Выдать заключение взамен Аннулированного", "", QStyle::SP_BrowserReload},
    {"aDelete", "Удалить", "Удалить проект заключения", "", QStyle::SP_TrashIcon},
    {"aExportToWord", "Экспорт", "Экспортировать документ в MS Word", "", QStyle::SP_DialogSaveButton},
    {"aMyOnly", "Только мои", "Показывать только мои заключения", "", QStyle::SP_DirHomeIcon},
    {"aGoDuplicate", "К дубликату", "Перейти к дубликату", "", QStyle::SP_ArrowForward},
    {"aGoInstead", "К выданному взамен", "Перейти к выданному взамен", "", QStyle::SP_ArrowForward},
    {"aGoCancel", "К аннулированному", "Перейти к аннулированному", "", QStyle::SP_ArrowBack},
    {"aGoTrue", "К основному", "Перейти к основному", "", QStyle::SP_ArrowBack},
    {"aReportListSearch", "Список на печать", "Позволяет напечатать список найденных заключений", "", kNoIcon},
    {"aReportCerts", "Заключения на печать", "Позволяет печатать найденные заключения", "", kNoIcon},
    {"aPasteList", "Список в Excel", "Выводит список заключений в Excel", "", kNoIcon},
    {"aWinWordCerts", "Заключения в MS Word", "Вывод найденных заключений в MS Word", "", kNoIcon},
}};

inline constexpr std::string_view kReportButton = "Отчёт";
inline constexpr std::string_view kReportButtonHint = "Вывод результатов поиска";

// The tool bar's two rows and the grid's pop-up menu; a separator where the table says so.
struct CommandItem {
    bool separator;
    RegisterCommand command;
};
inline constexpr CommandItem kCommandSeparator = {true, RegisterCommand::New};

inline constexpr std::array<CommandItem, 8> kToolBarTop = {{
    {false, RegisterCommand::New},
    {false, RegisterCommand::Templ},
    kCommandSeparator,
    {false, RegisterCommand::Complete},
    {false, RegisterCommand::Cancel},
    {false, RegisterCommand::Duplicate},
    {false, RegisterCommand::BadPaper},
    {false, RegisterCommand::Instead},
}};

// The report commands of the "Отчёт" drop-down, in order.
inline constexpr std::array<RegisterCommand, 4> kReportMenu = {RegisterCommand::ReportListSearch,
                                                              RegisterCommand::ReportCerts,
                                                              RegisterCommand::PasteList,
                                                              RegisterCommand::WinWordCerts};

}  // namespace vd::gui
