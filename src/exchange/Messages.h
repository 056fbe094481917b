#pragma once

#include <string_view>

// The texts of the exchange with the central database: the data packet, the HTTPS transport, the
// online synchronisation, the exchange files and the update check. Written once and used by the
// code and the tests alike; event strings are part of what administrators search the journal for.
namespace vd::text {

// The program as the central server knows it.
inline constexpr std::string_view kProgramVersion = "1.1.1.7";
inline constexpr std::string_view kRestartProgramName = "RebootVD.exe";

// Locations of the synchronisation window's handlers, as the journal names them.
inline constexpr std::string_view kWhereStart = "uFormSync.TFormSync.aStartExecute";
inline constexpr std::string_view kWhereStartFailed = "uFormSync.TFormSync.aStartExecute()";
inline constexpr std::string_view kWhereLoadFromFile = "uFormSync.TFormSync.aLoadFromFileExecute";
inline constexpr std::string_view kWhereLoadFromFileFailed = "uFormSync.TFormSync.aLoadFromFileExecute()";
inline constexpr std::string_view kWhereSaveToFileFailed = "uFormSync.TFormSync.aSaveToFileExecute()";
inline constexpr std::string_view kWherePacketOfDay = "uFormSync.TFormSync.GetXMLData(,)";
inline constexpr std::string_view kWherePacketOfAll = "uFormSync.TFormSync.GetXMLData()";
inline constexpr std::string_view kWherePacketRow = "uFormSync.TFormSync.GetXMLData():MinId=";
inline constexpr std::string_view kWhereSizePortion = "Sync.TFormSync.iSizePortionExecute";
inline constexpr std::string_view kWhereMinDate = "function uDataVD.TDM.GetMinDateOfDocument";

// Data packet
inline constexpr std::string_view kPacketBuildFailed = "произошла ошибка формирования: \r\n";
inline constexpr std::string_view kPacketElementFailed = " Вероятно не смогли затолкать строку в xml: ";
// Our own words: a required date of a conclusion is empty.
inline constexpr std::string_view kPacketDateMissing = "Не заполнена дата ";
inline constexpr std::string_view kPacketValueUnreadable = "Не читается значение ";

// HTTPS transport
inline constexpr std::string_view kAgentDefault = "agent of the Palomar";
inline constexpr std::string_view kAgentOfVd = "Certificate Of VD";
inline constexpr std::string_view kCertSubjectVd = "VD";
inline constexpr std::string_view kFormHeader = "Content-Type: application/x-www-form-urlencoded";
inline constexpr std::string_view kServerNameSlash = "[Set ServerName]: found symbol \"/\"";
inline constexpr std::string_view kServerNameColon = "[Set ServerName]: found symbol \":\"";
inline constexpr std::string_view kConnectFailedPrefix = "ConnectToHttpsServer: [ErrorCode ";
inline constexpr std::string_view kSendFailedPrefix = "SendHttpsRequest: [ErrorCode ";
inline constexpr std::string_view kErrorCodePrefix = "[ErrorCode ";
// Our own words for what libcurl cannot say: the reason behind a refused handshake.
inline constexpr std::string_view kNoClientCertificate = "в хранилище нет сертификата клиента, содержащего в имени ";
inline constexpr std::string_view kNotAnInteger = " is not a valid integer value";

// Synchronisation session
inline constexpr std::string_view kTransferring = "Идёт передача...";
inline constexpr std::string_view kHelloEmpty = "Сервер вернул пустую строку на hello";
inline constexpr std::string_view kHelloErrorEvent = "Sync.TFormSync.aStartExecute /sync/hello (DM.GetErrorFromServer) ";
inline constexpr std::string_view kSecondHelloErrorEvent =
    "uFormSync.TFormSync.aStartExecute /sync/hello (DM.GetErrorFromServer) ";
inline constexpr std::string_view kHelloUnclear = "\"hello\". Невнятный ответ сервера: ";
inline constexpr std::string_view kHelloDefective = "Дефектный ответ на hello";
inline constexpr std::string_view kHelloNoProtocolEvent = "\"hello\"exchangeProtocol";
inline constexpr std::string_view kHelloNoProtocol = "Узел exchangeProtocol не найден";
inline constexpr std::string_view kHelloQuoted = "\"hello\"";
inline constexpr std::string_view kHelloProtocolWanted = "exchangeProtocol version=\"2\"";
inline constexpr std::string_view kHelloNoVersion = "Отсутствует версия протокола";
inline constexpr std::string_view kHelloVersionPrefix = "Версия протокола ";
inline constexpr std::string_view kHelloVersionSuffix = ",а нужно только вторая";
inline constexpr std::string_view kIcodConnect = "/icod (Syn.ConnectToHttpsServer)";
inline constexpr std::string_view kIcodSend = "/icod (Syn.SendHttpsRequest)";
inline constexpr std::string_view kIcodAnswer = "\"icod\". ответ сервера: ";
// Our own words: the station file received does not read.
inline constexpr std::string_view kIcodUnreadable = "/icod (ReadStationFile)";
inline constexpr std::string_view kIcodNotReceived = "новый i.cod получить не удалось";
inline constexpr std::string_view kVersionConnect = "/version (Syn.ConnectToHttpsServer)";
inline constexpr std::string_view kVersionSend = "/version (Syn.SendHttpsRequest)";
inline constexpr std::string_view kVersionAnswer = " /version: ";
inline constexpr std::string_view kNoSuitableServer = "Не найден подходящий адрес (url)";
inline constexpr std::string_view kChangesFailed = "ошибка changes: ";
// Our own words: a date in the "/changes" reply that is no date.
inline constexpr std::string_view kCleanDateInvalid = "\"/changes\" похоже использует неверный формат даты ";
inline constexpr std::string_view kChangeAttributeMissing = "certificate-change: нет атрибута ";
inline constexpr std::string_view kChangeAttributeUnreadable = "certificate-change: не читается атрибут ";
inline constexpr std::string_view kVersionFailed = "Ошибка version";
inline constexpr std::string_view kVersionErrorEvent =
    "uFormSync.TFormSync.aStartExecute /version (DM.GetErrorFromServer) ";
inline constexpr std::string_view kServerProblem = "похоже проблема с сервером";
inline constexpr std::string_view kLastDateInvalid = "\"/version\" похоже использует неверный формат даты ";
inline constexpr std::string_view kErrorPrefix = "ошибка: ";
inline constexpr std::string_view kSyncInterrupted = "СИНХРОНИЗАЦИЯ ПРЕРВАНА";
inline constexpr std::string_view kLookingForDay = "Ищем заключения за ";
inline constexpr std::string_view kSendingDay = "Передаём заключения за ";
inline constexpr std::string_view kSaveConnect = "/save (Syn.ConnectToHttpsServer)";
inline constexpr std::string_view kSaveSend = "/save (Syn.SendHttpsRequest)";
inline constexpr std::string_view kSaveScriptError = "submit certs (Скрипт сообщает об ошибке):";
inline constexpr std::string_view kSaveBlank = "    Бланк ";
inline constexpr std::string_view kSaveBlankGap = "  ";
inline constexpr std::string_view kSaveErrorIndent = "        ";
inline constexpr std::string_view kSaveBroken = "submit cert (сбой)";
inline constexpr std::string_view kCriticalErrors = "есть критические ошибки";
// The first letter is the Latin E, as the workstation has always written it.
inline constexpr std::string_view kCriticalSyncError = "Eсть критические ошибки. Ошибка синхронизации";
inline constexpr std::string_view kRunFailedStatus = "сбой процедуры";
inline constexpr std::string_view kRunFailedLine = "Зафиксирована ошибка синхронизации.";
inline constexpr std::string_view kSyncFinished = "СИНХРОНИЗАЦИЯ ЗАВЕРШЕНА";
inline constexpr std::string_view kMinDateFailed = "error in GetMinDateOfDocument";

// Update check
inline constexpr std::string_view kCheckingUpdates = "Проверяем обновления";
inline constexpr std::string_view kUpdateVersionErrorEvent = "Sync.TFormSync.aStartExecute /version (DM.GetErrorFromServer) ";
inline constexpr std::string_view kNoUpdates = "нет обновлений";
inline constexpr std::string_view kFetchingFile = "Получение файла ";
inline constexpr std::string_view kFileConnect = "(Syn.ConnectToHttpsServer) ";
inline constexpr std::string_view kFileSend = "(Syn.SendHttpsRequest) ";
// Our own words: the download broke off or the server answered with an error status.
inline constexpr std::string_view kFileRead = "(Syn.ReadResponseData) ";
inline constexpr std::string_view kFileFailed = "Ошибка получения файла";
inline constexpr std::string_view kEmptyRestorator = "получен пустой файл \"restorator\"";
inline constexpr std::string_view kEmptySupport = "получен пустой файл \"support\"";
inline constexpr std::string_view kNoRestartProgram = "в присланном архиве нет файла RebootVD.exe";
inline constexpr std::string_view kRestartProgramUpdated = "файл RebootVD.exe обновлён с сервера";
inline constexpr std::string_view kRestarting = "Сейчас программа будет перезапущена";

// Exchange files
inline constexpr std::string_view kWait = "Ждите...";
inline constexpr std::string_view kMayTakeMinutes = "Процедура может занять несколько минут";
inline constexpr std::string_view kBuilding = "Формирование ...";
inline constexpr std::string_view kNoData = "Нет данных";
inline constexpr std::string_view kEncrypting = "Шифруем ...";
inline constexpr std::string_view kSyncFileTitle = "куда запишем ?";
inline constexpr std::string_view kSyncFileFilter = "default backup|QF_*_*_x.cod|custom backup|*.cod|all|*.*";
inline constexpr std::string_view kSyncFileWritten = "ФАЙЛ СИНХРОНИЗАЦИИ СОЗДАН.";
inline constexpr std::string_view kSyncFileFailed = "Произошла ошибка. Смотри Event Log Windows.";
inline constexpr std::string_view kExpectWait = "Ожидайте...";
inline constexpr std::string_view kRestoreHelloErrorEvent =
    "uFormSync.TFormSync.aLoadFromFileExecute /sync/hello (DM.GetErrorFromServer) ";
inline constexpr std::string_view kRestoreFailed = "ошибка restore: ";
inline constexpr std::string_view kRestoreFileTitle = "Куда сохранять результат?";
inline constexpr std::string_view kRestoreFileFilter = "*.*";
inline constexpr std::string_view kRestoreFileName = "DataFromServer.cod";
inline constexpr std::string_view kRestoreFileWritten = "ФАЙЛ ВОССТАНОВЛЕНИЯ ПОЛУЧЕН.";
inline constexpr std::string_view kRestoreFileError = "Сообщение об ошибке помещено в Event Log Windows.";

}  // namespace vd::text
