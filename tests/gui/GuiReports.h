#pragma once

#include <filesystem>
#include <string>

#include "GuiDocuments.h"
#include "TempDir.h"
#include "core/Database.h"
#include "register/RegisterQuery.h"

namespace vd::test {

// The program's report templates in the test workstation's data folder, as the installation
// puts them beside the program.
inline void InstallTemplates(GuiDocuments& docs) {
    for (const char* name : {"VD.fr3", "CertsCaption.fr3", "SearchReport.fr3"}) {
        std::filesystem::copy_file(SourceDataDir() / name, docs.ws.paths.DataDir() / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

// A saved project turned into a document of `status`, shown by the register.
inline std::string SaveDocument(GuiDocuments& docs, int status, const std::string& declarant = "ООО \"Северный лес\"") {
    const std::string reference = docs.SaveNewProject(declarant);
    docs.ws.tdm.Db().Exec("update mcod set status = " + std::to_string(status) + " where ReferenceNo = '" +
                          reference + "'");
    return reference;
}

}  // namespace vd::test
