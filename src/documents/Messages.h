#pragma once

#include <string_view>

// The texts of the editor's checks, saving and dictionaries, written once and used by the code and
// the tests alike.
namespace vd::text {

// Phrase types, shown as the phrase window's caption and column title.
inline constexpr std::string_view kPhraseTypeTransport = "Транспорт";
inline constexpr std::string_view kPhraseTypeServiceNotes = "Служебные отметки";
inline constexpr std::string_view kPhraseTypeDetails = "Детали";
inline constexpr std::string_view kPhraseTypeGoods = "Товары";
inline constexpr std::string_view kPhraseTypePackaging = "Упаковка";
inline constexpr std::string_view kPhraseTypeUnits = "Единицы измерения";
inline constexpr std::string_view kPhraseTypeCountries = "Страны";
inline constexpr std::string_view kPhraseTypeUnknown = "none ?";

// Answers of the editor's "+" buttons.
inline constexpr std::string_view kContragentAlreadyStored =
    "Такая информация в справочнике уже есть";
inline constexpr std::string_view kPhraseAlreadyStored = "Такая информация уже есть";
inline constexpr std::string_view kValueAdded = "Добавлено значение";
inline constexpr std::string_view kValueSet = "Установлено значение";
inline constexpr std::string_view kPhraseSaveFailed = "Произошла ошибка";
inline constexpr std::string_view kDictionaryErrorPrefix = "Ошибка ";
// The dictionary messages put LF before CR between their lines.
inline constexpr std::string_view kDictionaryLineBreak = "\n\r";

// Help lines while a dictionary window is open.
inline constexpr std::string_view kPhrasePickHelp =
    "Произведите выбор двойным щелчком мыши по нужной позиции!";
inline constexpr std::string_view kContragentPickHelp =
    "Произведите выбор двойным щелчком мыши по серому полю!";

// The counterparty window.
inline constexpr std::string_view kContragentCaption = "Контрагенты";
inline constexpr std::string_view kContragentNameColumn = "Наименование резидента";
inline constexpr std::string_view kContragentAddressColumn = "Адрес резидента";

// Buttons of both dictionary windows and their hints.
inline constexpr std::string_view kDictionarySelect = "Выбрать";
inline constexpr std::string_view kDictionaryCancel = "Отмена";
inline constexpr std::string_view kDictionaryCancelHint = "Нажмите для отказа от выбора";
inline constexpr std::string_view kDictionaryAdd = "Добавить";
inline constexpr std::string_view kDictionaryAddHint = "Добавить позицию";
inline constexpr std::string_view kDictionaryDelete = "Удалить";
inline constexpr std::string_view kPhraseDeleteHint = "Удалить выделенную позицию из списка";
inline constexpr std::string_view kContragentDeleteHint = "Удалить из списка";
inline constexpr std::string_view kSearchFromStart = "Поиск от начала";
inline constexpr std::string_view kSearchFromStartHint =
    "Ищет совпадение фразы с началом выделенной колонки";
inline constexpr std::string_view kSearchAnywhere = "Поиск везде";
inline constexpr std::string_view kSearchAnywhereHint =
    "Ищет совпадение фразы по всему тексту выделенной колонки";

// Hints of the editor's dictionary buttons ("..." picks, "+" adds).
inline constexpr std::string_view kPickContragentHint = "Выбрать из справочника \"Контрагенты\"";
inline constexpr std::string_view kAddContragentHint = "Добавить контрагента в стравочник";
inline constexpr std::string_view kInsertServiceNoteHint =
    "Вставить  из справочника \"Служебные отметки\"";
inline constexpr std::string_view kPickGoodsHint = "Выбрать из справочника \"Товары\"";
inline constexpr std::string_view kPickPackagingHint = "Выбрать из справочника \"Упаковка\"";
inline constexpr std::string_view kAddPhraseHint = "Добавить значение в справочник";
inline constexpr std::string_view kSetCertifyPlaceDefaultHint =
    "Установить умолчание для места удостоверения";

// Findings of the document check, in check order.
inline constexpr std::string_view kExpertChanged = "ВНИМАНИЕ! Изменился эксперт";
inline constexpr std::string_view kTppNameEmpty =
    "ВНИМАНИЕ! Параметр Наименование палаты поля 10 не должен оставаться пустым.";
inline constexpr std::string_view kDate10AfterDate9 =
    "ВНИМАНИЕ! дата поля 10 не должна превышать дату поля 9";
inline constexpr std::string_view kDateChanged = "ВНИМАНИЕ! Дата изменилась";
inline constexpr std::string_view kNumberPrefix = "ВНИМАНИЕ! Номер ";
inline constexpr std::string_view kBlankPrefix = "ВНИМАНИЕ! бланк ";
inline constexpr std::string_view kAlreadyUsed = " уже был использован.";
inline constexpr std::string_view kBlankZero = "не должен быть нулевым.";
inline constexpr std::string_view kNumberOutOfRange =
    "ВНИМАНИЕ! Номер документа вышел за допустимый диапазон. Администратор должен сменить диапазон "
    "допустимых "
    "номеров.";
inline constexpr std::string_view kTppNameTooLong =
    "ВНИМАНИЕ! Параметр Наименование палаты поля 10 не должен превышать 1000 символов.";
inline constexpr std::string_view kDeclarantMissing =
    "Поле1. Заявитель инкогнито оставаться не может.";
inline constexpr std::string_view kAddressMissing =
    "Поле1. Адрес заявителя инкогнито оставаться не может.";

// Saving
inline constexpr std::string_view kLockLost =
    "Другой экземпляр программы захватил базу данных. Сохранение невозможно.";
inline constexpr std::string_view kDuplicateSaveQuestion =
    "В дальнейшем будет нельзя вносить изменения в этот дубликат.\n\r Всё равно сохранить?";
inline constexpr std::string_view kUnknownStatus = "Неизвестный статус документа";
inline constexpr std::string_view kIdZero = "id = 0";
inline constexpr std::string_view kTooManyToReplace =
    "Слишком много удалять для update (delete + insert) ";
inline constexpr std::string_view kWouldDeleteOther =
    "Ошибка программиста. Попытка удалить лишний документ.";
inline constexpr std::string_view kSaveEventOperation = "сохранение проекта";
inline constexpr std::string_view kSaveChangesQuestion = "Сохранить изменения?";
inline constexpr std::string_view kNegativeAnswerWarning =
    "Внимание! Отрицательный ответ вызовет отмену ВСЕХ изменений в данном документе.";
inline constexpr std::string_view kEditOthersDocument =
    "Вы действительно хотите редактировать заключение, созданное пользователем ";
inline constexpr std::string_view kBecomesYours = "(при сохранении изменений документ станет Ваш)";
// Our own words for input the editor's masks would not let through.
inline constexpr std::string_view kNotANumber = "Значение должно быть числом: ";
inline constexpr std::string_view kExpertiseWithoutDate = "У экспертизы не указана дата: ";

}  // namespace vd::text
