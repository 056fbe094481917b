#pragma once

namespace vd {

class TDM;

// "Редактировать": prepares the working set the editor is to show and answers whether it
// opens. A document prepared by the register ("Новый", "Шаблон", "Дубликат", "Взамен") that
// is neither saved nor dropped yet is shown again as it is; otherwise the register's current
// project is loaded in EditMode 2, after the user has confirmed taking over another expert's
// document.
bool EditCurrentDocument(TDM& tdm);

}  // namespace vd
