#pragma once

#include <string_view>

// The system's own texts, written once and used by the code and the tests alike.
namespace vd::text {

inline constexpr std::string_view kAppTitle = "Radevaredu VI";
inline constexpr std::string_view kProductName = "Vardelo VD";
inline constexpr std::string_view kProgramFileName = "FormVD.exe";
inline constexpr std::string_view kHelpFile = "Vardelo.chm";
inline constexpr std::string_view kVersionText = "  Версия 1.1.1.7 ";
inline constexpr std::string_view kProductDescription =
    "  Программа формирования, выдачи и учёта заключений о происхождении товаров, вывозимых из "
    "Российской Федерации в государства - участники СНГ (заключений ВД)\r\n";
inline constexpr std::string_view kLineBreak = "\r\n";

// Local database
inline constexpr std::string_view kDataFile = "Файл данных ";
inline constexpr std::string_view kDataFileMissing = " отсутствует";
inline constexpr std::string_view kWillCreateNew = "Будет создан новый.";
inline constexpr std::string_view kCannotLoadFile = "Невозможно загрузить файл ";
inline constexpr std::string_view kOtherStationFile = "Для этих данных нужен другой i.cod";
inline constexpr std::string_view kNewerVersionNeeded = "Для этих данных нужна более современная версия программы";

// Users and login
inline constexpr std::string_view kUsersLost = "Пользователи утрачены. Будет создан новый файл.";
inline constexpr std::string_view kFirstAdministrator = "Aдминистратор";  // Latin A, then Cyrillic
inline constexpr std::string_view kLoginCaptionSuffix = ":Logon";
inline constexpr std::string_view kLoginPrompt = "Для входа в систему укажите своё имя и пароль!";
inline constexpr std::string_view kLoginNameLabel = "Имя";
inline constexpr std::string_view kLoginPasswordLabel = "Пароль";
inline constexpr std::string_view kOk = "Ok";
inline constexpr std::string_view kCancel = "Отмена";
inline constexpr std::string_view kPasswordMask = "*";
inline constexpr std::string_view kWrongPassword = "Пароль не угадали. Программа будет закрыта";

// User administration
inline constexpr std::string_view kUserNameRequired = "Имя пользователя обязательно для заполнения!";
inline constexpr std::string_view kUserExists = "Пользователь с таким именем уже существует!";
inline constexpr std::string_view kWrongOldPassword = "Необходимо правильно указать старый пароль!";
inline constexpr std::string_view kPasswordsDiffer = "Пароли не совпадают!";
inline constexpr std::string_view kAddUserCaption = "Добавить пользователя";
inline constexpr std::string_view kUserPropertiesCaption = "Свойства пользователя";
inline constexpr std::string_view kPasswordLabel = "Пароль:";
inline constexpr std::string_view kCheckLabel = "Проверка:";
inline constexpr std::string_view kOldPasswordLabel = "Старый пароль:";
inline constexpr std::string_view kNewPasswordLabel = "Новый пароль:";
inline constexpr std::string_view kDeleteUserQuestion = "Вы действительно хотите удалить пользователя ";
inline constexpr std::string_view kPasswordChanged = "Пароль изменен.\rПостарайтесь его нигде не записывать.";
inline constexpr std::string_view kRenameUserCaption = "Переименование пользователя";
inline constexpr std::string_view kRenameUserPrompt =
    "Вы должны ввести фамилию имя и отчество, например: Ведров Ким Алексеевич";
inline constexpr std::string_view kReservedName = "Администратор";  // all Cyrillic
inline constexpr std::string_view kReservedNameRefused = "Имя Администратор использовать запрещено";
inline constexpr std::string_view kUserRenamed = "Имя пользователя изменено";
inline constexpr std::string_view kErrorOccurred = "произошла ошибка: ";

// Start-up
inline constexpr std::string_view kAlreadyRunning = "Программа уже работает";
inline constexpr std::string_view kNetBusyCaption = "Stop";
inline constexpr std::string_view kNetBusyLine1 = "База данных в настоящее время используется другим экземпляром программы.";
inline constexpr std::string_view kNetBusyLine2 = "Одновременная работа запрещена.";
inline constexpr std::string_view kNetBusyExit = "Выйти из программы. (Другой экземпляр продолжит свою работу.)";
inline constexpr std::string_view kNetBusyDisconnect = "Отключить другой экземпляр и выйти из программы.";
inline constexpr std::string_view kSyncNotDone = "Синхронизация с ЦБД не производилась ";
inline constexpr std::string_view kSyncDays = " дней.";
inline constexpr std::string_view kSyncAttention = "Внимание";
inline constexpr std::string_view kSyncPleaseAdmin = "Пожалуйста, сделайте синхронизацию с ЦБД ZID России!";
inline constexpr std::string_view kSyncPleaseRemind =
    "Пожалуйста, напомните администратору АРМ о необходимости синхронизации с ЦБД ZID России!";
inline constexpr std::string_view kSyncNeedsInternet = "Необходимо подключение к сети Интернет";
inline constexpr std::string_view kSyncSendFileBy = "Отправьте созданный файл по";
inline constexpr std::string_view kSyncAddress = "адресу";
inline constexpr std::string_view kSyncStart = "Старт синхронизации";
inline constexpr std::string_view kSyncStartHint = "Синхронизация через сеть интернет";
inline constexpr std::string_view kSyncToFile = "Синхронизация в файл";
inline constexpr std::string_view kSyncCancel = "Отмена";
// The central office's address for exchange files; a deployment value.
inline constexpr std::string_view kCentralOfficeMail = "cbd@vardelo.example";

// Windows of FormVD
inline constexpr std::string_view kAnswerYes = "Да";
inline constexpr std::string_view kAnswerNo = "Нет";
inline constexpr std::string_view kAnswerOk = "OK";
inline constexpr std::string_view kUserNameLabel = "Имя";
inline constexpr std::string_view kConfirmPasswordHint = "Подтвердить изменение пароля";
inline constexpr std::string_view kCancelPasswordHint = "Отказаться от изменения пароля";
inline constexpr std::string_view kRenameCancel = "Cancel";
inline constexpr std::string_view kBusyWait = "Дождитесь окончания текущей операции!";

// Our own words where the system has none.
inline constexpr std::string_view kDatabaseKeptWithoutPackages =
    "Файл данных сохранён без списка упаковок: таблицы и начальные настройки созданы, "
    "при следующем запуске он будет открыт.";
inline constexpr std::string_view kCannotOpenDatabase = "Не удалось открыть базу данных ";
inline constexpr std::string_view kNotOurDatabase = "Файл не является базой данных программы: ";

}  // namespace vd::text
