#pragma once

namespace vd {

class TDM;

// The status operation on the working set's document: true means "go on".
//   6   the project check (its findings may be overridden only when they are warnings);
//   10  the duplicate check (nothing at all may be found);
//   7, 11  issue and issue instead: the register's current document becomes issued;
//   8, 9   spoil the blank, cancel: the register's current document changes status;
//   12 and any other code pass at once. Nothing happens while the register is not open.
bool SetStatusPaper(TDM& tdm, int status);

}  // namespace vd
