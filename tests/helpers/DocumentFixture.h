#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Workstation.h"
#include "documents/DocumentSave.h"

namespace vd::test {

// A workstation whose database is open, with a number range and the database lock held, and a
// logged-in user; documents are made through the same paths the editor and the register use.
class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override;

    void LogIn(int id, const std::string& name);
    void SetRange(std::int64_t min, std::int64_t max);

    // A new project filled like an expert would and saved; its reference number.
    std::string SaveNewProject(const std::string& declarant = "ООО \"Северный лес\"", std::int64_t paperNo = 0);
    // A row written straight into mcod (for numbering and register cases).
    void InsertRow(std::int64_t id, int status, int numNum, std::int64_t paperNo, const std::string& expert = "Ведров",
                   DayNumber lastDate = kToday, int gNum = 6);
    // Moves the register to a document; fails the test when it is not shown.
    void Select(const std::string& referenceNo);

    std::vector<std::vector<std::string>> Rows(const std::string& sql);
    std::string Value(const std::string& sql);
    // Everything stored, to compare before and after a refused operation.
    std::string Snapshot();

    Workstation ws;
};

}  // namespace vd::test
