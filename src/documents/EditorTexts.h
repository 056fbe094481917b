#pragma once

#include <string_view>

// The editor's own captions, hints and questions, written once and used by the window, the
// core and the tests alike.
namespace vd::text {

inline constexpr std::string_view kEditorCaption = "Редактирование";

// Tool bar.
inline constexpr std::string_view kEditorSave = "Сохранить";
inline constexpr std::string_view kEditorSaveHint = "Сохранить внесенные изменения";
inline constexpr std::string_view kEditorCancel = "Отмена";
inline constexpr std::string_view kEditorCancelHint = "Отменить внесенные изменения";
inline constexpr std::string_view kEditorZez = "ZEZ";
inline constexpr std::string_view kEditorZezHint = "Забрать проект из ZEZ";
inline constexpr std::string_view kEditorWord = "MS Word";
inline constexpr std::string_view kEditorWordHint = "Проект из файла MS Word";
// Our own words for the commands whose import is not built yet.
inline constexpr std::string_view kNotAvailableYet = "Эта функция будет доступна в следующей версии";

// Field 1.
inline constexpr std::string_view kGroup1Title = " 1. Заявитель";
inline constexpr std::string_view kGroup1Hint = ".";
inline constexpr std::string_view kName1Label = "Наименование резидента СЭЗ";
inline constexpr std::string_view kName1Hint =
    "Указывается наименование резидента СЭЗ или владельца свободного склада";
inline constexpr std::string_view kAddress1Label = "Почтовый адрес и место жительства";
inline constexpr std::string_view kAddress1Hint =
    "почтовый адрес для юридического лица или место жительства для индивидуального "
    "предпринимателя";

// Field 2: the numbers and the title of the form.
inline constexpr std::string_view kGroup2Title = "2.";
inline constexpr std::string_view kNumberSign = "№";
inline constexpr std::string_view kYearDigitHint = "Последняя цифра года";
inline constexpr std::string_view kChamberNumberHint = "Номер УТПП";
inline constexpr std::string_view kRefNumNumHint = "Должно быть 6 цифр";
inline constexpr std::string_view kCertNoHint = "Номер бланка. Должно быть 7 цифр";
inline constexpr std::string_view kFormTitle1 = "ЗАКЛЮЧЕНИЕ";
inline constexpr std::string_view kFormTitle2 = "о статусе товара, произведённого в СЭЗ";
inline constexpr std::string_view kFormTitle3 = "или на свободном складе,";
inline constexpr std::string_view kFormTitle4 = " формы ВД";

// Field 3.
inline constexpr std::string_view kGroup3Title = "3. Для служебных отметок ";
inline constexpr std::string_view kGroup3Hint =
    "В данную графу могут быть  впечатаны, следующие записи: «Дубликат», «Выдан взамен "
    "заключения», а также другие записи.";

// The goods block: column titles, the line fields' hints and the line buttons.
inline constexpr std::string_view kGoodsTitle4 = "4. №           п/п";
inline constexpr std::string_view kGoodsTitle5 = "5. Описание товара";
inline constexpr std::string_view kGoodsTitle6 = "6. Количество       мест и вид         упаковки";
inline constexpr std::string_view kGoodsTitle7 = "7. Количество         товара";
inline constexpr std::string_view kGoodsTitle8 = "8. Номер и           дата счёта-     фактуры";
inline constexpr std::string_view kAddGoodsLine = "Добавить позицию";
inline constexpr std::string_view kGoods4Hint = "4. Указывается порядковый номер товара";
inline constexpr std::string_view kGoods5Hint =
    "5. Указывается коммерческое наименование товара, а также иные сведения (марка, модель, "
    "артикул, сорт, размер и т.п.), позволяющие однозначно идентифицировать товар с товаром, "
    "заявленным в таможенной декларации";
inline constexpr std::string_view kGoods6cHint = "6. Количество мест";
inline constexpr std::string_view kGoods6pHint = "6. Вид упаковки";
inline constexpr std::string_view kGoods7Hint =
    "7. Указывается вес брутто и нетто (кг) или количество товара в других единицах "
    "измерения, предусмотренных товарной номенклатурой внешнеэкономической деятельности. "
    "Количество товара, заявленное в таможенной декларации, не должно превышать указанное "
    "количество более чем на 5 %. Вес нетто указывается с учетом первичной упаковки, "
    "неотделимой от товара до его потребления при розничной продаже";
inline constexpr std::string_view kGoods8Hint =
    "8. Указываются номер и дата счета-фактуры, а в случае его отсутствия - номер и дата иного "
    "документа, содержащего сведения о количественных характеристиках и стоимости товара";
inline constexpr std::string_view kInsertLine = "↑";
inline constexpr std::string_view kInsertLineHint = "Вставить товарную позицию перед текущей";
inline constexpr std::string_view kDeleteLine = "x";
inline constexpr std::string_view kDeleteLineHint = "Удалить товарную позицию";
inline constexpr std::string_view kCopyToAllPrefix = "Размножить ";
inline constexpr std::string_view kCopyToAllSuffix = " в остальные записи?";

// Fields 9 and 10.
inline constexpr std::string_view kGroup9Title = "9. Декларация заявителя";
inline constexpr std::string_view kGroup10Title = " 10. Удостоверение";
inline constexpr std::string_view kFioLabel = "ФИО";
inline constexpr std::string_view kDateLabel = "Дата";
inline constexpr std::string_view kAuthorityLabel = "Уполномоченный орган";
inline constexpr std::string_view kExpertiseDateColumn = "дата экспертизы";
inline constexpr std::string_view kExpertiseNumberColumn = "номер экспертизы";
inline constexpr std::string_view kExpertiseGridHint =
    "Первым вводить номер экспертизы.\nДля удаления строки используйте ctrl+delete";

// The information panel and the editor's failures.
inline constexpr std::string_view kInfoPictureHint =
    "Двойной щелчок по изображению - увеличивает размер видимой справки";
inline constexpr std::string_view kProgramFault = "Сбой в программе. Смотри Event Log.";

}  // namespace vd::text
