#pragma once

#include <array>
#include <string_view>

#include "support/ActionText.h"

// The main window's commands and menus as the user sees them, written once.
namespace vd::gui {

// The rows of this table are the main window's commands; MainCommand indexes them.
enum class MainCommand {
    Search, Edit, View, Print, List,
    Users, Settings, Sync, Statistic,
    Export, Import, Rollback, Modify, LoadContragents, LoadGoods,
    ChangePassword, Exit, About, Manual, HelpContext,
};

inline constexpr std::array<ActionText, 20> kMainActions = {{
    {"aSearch", "Поиск", "поиск заключений", "F2", QStyle::SP_FileDialogContentsView},
    {"aEdit", "Редактировать", "Редактирование заключения", "F4", QStyle::SP_FileDialogDetailedView},
    {"aView", "&Просмотр", "Просмотр текущего редактируемого заключения", "F3", QStyle::SP_FileDialogInfoView},
    {"aPrint", "П&ечать", "Печать заключения", "F5", QStyle::SP_FileIcon},
    {"aList", "&Список", "Операции с выданными заключениями", "F6", QStyle::SP_FileDialogListView},
    {"aUsers", "&Пользователи", "Работа с учётными записями", "F7", QStyle::SP_DirHomeIcon},
    {"aSettings", "&Настройки", "Параметры программы", "F8", QStyle::SP_ComputerIcon},
    {"aSync", "&Синхронизация", "Пересылка данных", "F9", QStyle::SP_BrowserReload},
    {"aStatistic", "Статистика", "Получение статистических сведений", "Ctrl+F2", QStyle::SP_FileDialogToParent},
    {"aExport", "&Создать архив", "Создаёт папку архива на текущую дату", "", kNoIcon},
    {"aImport", "&Восстановить из архива",
     "Восстанавливает базу данных из предварительно созданной папки архива. Доступно только при отсутствии "
     "данных в ЛБД.",
     "", kNoIcon},
    {"aRollback", "Импорт данных ЦБД",
     "Загрузить данные из файла, ранее полуенного из ЦБД. Доступно только при отсутствии данных в ЛБД.", "",
     kNoIcon},
    {"aModify", "Модифицировать АРМ", "Удаление устаревших заключений, загрузка обновлений и т.п.", "", kNoIcon},
    {"aLoadContragents", "Загрузить контрагентов", "Пополнить список контрагентов данными базы", "", kNoIcon},
    {"aLoadGoods", "Загрузить товары", "Пополнить список товаров данными базы", "", kNoIcon},
    {"aChangePassword", "Сменить пароль", "Смена пароля текущего пользователя", "", QStyle::SP_DialogResetButton},
    {"aExit", "В&ыход", "Выход из программы", "", QStyle::SP_DialogCloseButton},
    {"aAbout", "О программе", "Сведения о программе", "", kNoIcon},
    {"aManual", "Руководство пользователя АРМ", "", "", QStyle::SP_DialogHelpButton},
    {"aHelpContext", "Контекстная помощ", "", "F1", kNoIcon},
}};

inline constexpr std::string_view kFileMenu = "Файл";
inline constexpr std::string_view kDocumentMenu = "Заключение";
inline constexpr std::string_view kAdministratorMenu = "Администратор";
inline constexpr std::string_view kHelpMenu = "Помощь";

// The menus in order.
struct MenuItem {
    bool separator;
    MainCommand command;
};
inline constexpr MenuItem kSeparator = {true, MainCommand::Search};

inline constexpr std::array<MenuItem, 9> kFileMenuItems = {{
    {false, MainCommand::ChangePassword},
    kSeparator,
    {false, MainCommand::Export},
    {false, MainCommand::Import},
    {false, MainCommand::Modify},
    // The archive command is offered a second time here.
    {false, MainCommand::Export},
    {false, MainCommand::Rollback},
    {false, MainCommand::LoadContragents},
    {false, MainCommand::LoadGoods},
}};
inline constexpr std::array<MainCommand, 5> kDocumentMenuItems = {MainCommand::Search, MainCommand::Edit,
                                                                   MainCommand::View, MainCommand::Print,
                                                                   MainCommand::List};
inline constexpr std::array<MainCommand, 4> kAdministratorMenuItems = {MainCommand::Users, MainCommand::Settings,
                                                                        MainCommand::Sync, MainCommand::Statistic};
inline constexpr std::array<MainCommand, 3> kHelpMenuItems = {MainCommand::About, MainCommand::Manual,
                                                               MainCommand::HelpContext};
// The large buttons on the left.
inline constexpr std::array<MainCommand, 5> kButtonColumn = {MainCommand::Search, MainCommand::Edit,
                                                              MainCommand::View, MainCommand::Print,
                                                              MainCommand::List};

// The menu bar's counters until a search fills them.
inline constexpr std::string_view kTotalCounter = "Всего заключений";
inline constexpr std::string_view kFoundCounter = "Найдено";

// Commands whose windows or work are not part of this version yet.
inline constexpr std::string_view kNotAvailableYet = "Эта функция будет доступна в следующей версии";
inline constexpr std::string_view kSyncNotAvailableYet = "Синхронизация будет доступна в следующей версии";

}  // namespace vd::gui
