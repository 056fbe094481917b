#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vd {

class TDM;

namespace text {
inline constexpr std::string_view kOptionsHelpLine = "Здесь можно настроить параметры программы";
inline constexpr std::string_view kMinimumNotDigits =
    "При вводе минимального значения допустимы только десятичные цифры";
inline constexpr std::string_view kMaximumNotDigits =
    "При вводе максимального значения допустимы только десятичные цифры";
inline constexpr std::string_view kRangeReversed = "Минимальное значение не может быть больше максимального";
// "№ документа " + ReferenceNo + kNumberInRange + line break + kOnlyEmptyRange
inline constexpr std::string_view kDocumentNumber = "№ документа ";
inline constexpr std::string_view kNumberInRange = " попадает в новый диапазон.";
inline constexpr std::string_view kOnlyEmptyRange = "Разрешено задавать только пустой диапазон!";
inline constexpr std::string_view kArchiveFolderTitle = "Выберите каталог с архивами";
}  // namespace text

// Positions of the two range fields.
inline constexpr std::size_t kReferencePositions = 6;

// What the options window shows and edits. The range fields hold the six-position texts as
// typed (a position left empty as a blank or "_").
struct OptionsState {
    std::string chamberNumber;      // "Номер палаты", 3 digits
    std::string workstationNumber;  // "Номер АРМа", 2 digits
    std::string chamberName;
    std::string referenceMin;
    std::string referenceMax;
    std::string archivePath;
    bool archiveAtStart = false;
    bool archiveAtEnd = false;
    bool autoCertNumber = false;

    // Archives are made either at start or at the end: ticking one box clears the other.
    void SetArchiveAtStart(bool on);
    void SetArchiveAtEnd(bool on);
};

// The options window's rules: the values it shows and the three "Сохранить" buttons. Messages
// go through the user interface, failures to the journal; every save stores the common setting
// of all users. Only the administrator may save.
class OptionsSettings {
public:
    explicit OptionsSettings(TDM& tdm) : tdm_(tdm) {}

    bool Permitted() const;
    // The stored values; Show() also puts the window's help line.
    OptionsState Load() const;
    OptionsState Show();

    // "Сохранить" of the number range: refused with a message when a field is not six digits,
    // when the range is reversed, or when a conclusion of this year issued under a number of the
    // range exists. Otherwise both the stored and the working range change and the change is
    // journalled.
    bool SaveReferenceRange(const OptionsState& state);
    // "Отмена" of the number range: the fields show the working range again.
    void CancelReferenceRange(OptionsState& state) const;

    // "...": the folder picker starting at the field's folder; false when nothing was chosen.
    bool ChooseArchiveFolder(OptionsState& state);
    bool SaveArchive(const OptionsState& state);
    bool SaveAutoCertNumber(const OptionsState& state);

private:
    TDM& tdm_;
};

}  // namespace vd
