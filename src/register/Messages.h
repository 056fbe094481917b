#pragma once

#include <string_view>

// The register's and the status lifecycle's texts, written once.
namespace vd::text {

inline constexpr std::string_view kNoFreeNumber = "Администратор должен задать АРМу новый диапазон номеров";

inline constexpr std::string_view kStatusNames[] = {"Проект", "Выдан", "Испорчен бланк", "Аннулирован", "Дубликат",
                                                    "Выдан взамен аннулированного"};

// Issuing
inline constexpr std::string_view kBlankDialogCaption = "Внимание!";
inline constexpr std::string_view kBlankDialogLine1 = "Вы приготовили для печати бланк";
inline constexpr std::string_view kBlankDialogYes = "Да";
inline constexpr std::string_view kBlankDialogNo = "Нет";
inline constexpr std::string_view kIssueQuestion = "Внимание, в выданный документ уже невозможно будет внести изменения!";
inline constexpr std::string_view kBadFontSize = "Недопустимый размер шрифта поля ";
inline constexpr std::string_view kContinueDespiteErrors = "ПРОДОЛЖИТЬ НЕСМОТРЯ НА ОШИБКИ?";
inline constexpr std::string_view kStatusChangeFailed = "Статус изменить не удалось: ";
inline constexpr std::string_view kCannotSave = "Сохранить невозможно: ";

// The comment dialog of each transition.
struct CommentTexts {
    std::string_view caption;
    std::string_view prompt;
    std::string_view confirm;
    std::string_view refuse;
};
inline constexpr std::string_view kIrreversibleWithComment =
    "Отменить изменение статуса документа уже не получится. Подтверждаете операцию?\r\nЗдесь же можно ввести "
    "комментарий (если необходимо).";
inline constexpr CommentTexts kSpoilComment = {"Комментарий к испорченному бланку", kIrreversibleWithComment,
                                               "Испортить", "Отменить"};
inline constexpr CommentTexts kCancelComment = {
    "Основание для аннулирования",
    "Отменить изменение статуса документа уже не получится. Подтверждаете операцию?\r\nВы можете ввести текст, "
    "обосновывающий аннулирование.",
    "Аннулировать", "Отменить"};
inline constexpr CommentTexts kDuplicateComment = {"Комментарий к выданному дубликату", kIrreversibleWithComment,
                                                   "Выдать дубликат", "Отменить"};
inline constexpr CommentTexts kInsteadComment = {"Комментарий к выданному взамен", kIrreversibleWithComment,
                                                 "Выдать взамен", "Отменить"};

inline constexpr std::string_view kDeleteDocumentQuestion = "Вы действительно хотите удалить документ ";

// Notes that open the service notes of a duplicate and of a replacement project.
inline constexpr std::string_view kDuplicateNote = "Дубликат radevaredu VI ";
inline constexpr std::string_view kReplacementNote = "Выдано взамен radevaredu VI № ";

// Register
inline constexpr std::string_view kRegisterHelpLine = "Здесь можно выбрать нужный документ и операцию над ним";

}  // namespace vd::text
