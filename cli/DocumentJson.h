#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "core/MasterRecord.h"
#include "documents/DocumentSave.h"

namespace vd {
class TDM;
struct RegisterRow;
}  // namespace vd

namespace vd::cli {

// A document as vdctl reads it from a file: every key is optional, and a key given replaces the
// loader's value the way typing into the editor would (texts cleaned, dates "DD.MM.YYYY").
// Throws std::invalid_argument naming the key for values of the wrong kind or dates that do not
// exist.
void ApplyDocumentJson(const nlohmann::json& input, TDM& tdm, EditorFields& fields);
nlohmann::json ReadJsonFile(const std::string& path);

// A stored document with its goods lines and expertise references.
nlohmann::json DocumentToJson(const RegisterRow& row, const std::vector<GoodsLine>& goods,
                              const std::vector<ExpertiseRef>& expertise);
// A register row alone.
nlohmann::json RowToJson(const RegisterRow& row);

}  // namespace vd::cli
