#pragma once

namespace vd {

class TDM;

// The preparations of the working set before the editor shows it. Each leaves the working set
// unchanged and answers false when it cannot prepare a document (no free number, no new id).

// A new project: EditMode 1.
bool NewDocument(TDM& tdm);
// The register's current document for editing: EditMode 2.
bool SetEditFields(TDM& tdm);
// A new document made from the register's current one: a template or a replacement project
// (EditMode 3 or 7, set by the caller) or, with `duplicate`, a duplicate (EditMode 4).
bool Template(TDM& tdm, bool duplicate);

}  // namespace vd
