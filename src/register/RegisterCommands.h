#pragma once

namespace vd {

class TDM;

// "Только мои": the register shows the user's own documents, or everybody's; the filter is
// kept for the next time the register is shown.
void ApplyMyOnly(TDM& tdm, bool down);

// "Список": back from a search result to the whole register, with every search mark reset and
// the saved filter applied again.
void RestoreRegister(TDM& tdm);

}  // namespace vd
