#pragma once

#include <array>
#include <string>
#include <string_view>

#include "register/RegisterRow.h"

namespace vd {

enum class CellAlignment { Left, Centre, Right };

struct CellText {
    std::string text;
    CellAlignment alignment = CellAlignment::Left;
};

struct GridColumn {
    std::string_view field;
    std::string_view title;  // empty: the grid shows the field's name
};

// The master grid's columns, in order.
inline constexpr std::array<GridColumn, 17> kRegisterColumns = {{
    {"ReferenceNo", "№ заключения"},
    {"PaperNo", "№ бланка"},
    {"DateIssued", "Дата выдачи"},
    {"Expert", "Эксперт"},
    {"declarant", "Декларант"},
    {"supportInfo", "3. Дополнительные сведения"},
    {"declaratorFio", "9. Декларатор Ф.И.О."},
    {"declarationDate", "9. Дата заявления"},
    {"TppName", "10. Палата"},
    {"fio10", "10. Ф.И.О."},
    {"date10", "10. Дата"},
    {"modifiedDate", "Дата изменения статуса"},
    {"modifierExpert", "Кто аннулировал"},
    {"comment", ""},
    {"GNum", ""},
    {"NumNum", ""},
    {"LastDate", ""},
}};

// The goods grid's columns, in order.
inline constexpr std::array<GridColumn, 6> kGoodsColumns = {{
    {"num", "4. №"},
    {"descriptionGoods", "5. Описание"},
    {"count6Goods", "6."},
    {"package6Goods", "6. Упаковка"},
    {"countGoods", "7. Количество"},
    {"documents", "8. Документы"},
}};

// What a master-grid cell shows: blanks as seven digits, dates in the short format (an empty
// cell for day 0), texts on one line (every CR and LF a blank).
CellText RegisterCell(const RegisterRow& row, std::string_view field);
// A goods-grid cell, on one line like the master grid's texts.
CellText GoodsCell(const GoodsLine& line, std::string_view field);

// Every carriage return and line feed replaced by one blank.
std::string OneLine(std::string_view text);

}  // namespace vd
